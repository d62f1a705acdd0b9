#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "automation/automation_object.h"
#include "automation/win32/com_ptr.h"

namespace vk {

class DispIdCache;

// A late-bound object over a platform IDispatch (Excel's objects, the host's). Holds one
// reference for its lifetime. Member names are resolved through the DISPID cache of the
// interface the caller names (a typed wrapper's), else of the interface the object's type
// information reports, else of the object alone; failures raise ComError with the HRESULT and the system's text, or
// for an exception the object reports, its own code and description.
class DispatchObject final : public AutomationObject {
 public:
  // Takes a new reference; a null pointer gives a null object ("Nothing").
  static ObjectPtr Wrap(IDispatch* dispatch);
  // Only Wrap makes objects (the key is its own); public for std::make_shared.
 private:
  struct Key {
    explicit Key() = default;
  };

 public:
  DispatchObject(Key, IDispatch* dispatch) : dispatch_(dispatch) {}
  // The IDispatch inside, without a new reference; null when object is not a DispatchObject.
  static IDispatch* RawDispatch(const ObjectPtr& object);

  IDispatch* Raw() const noexcept { return dispatch_.Get(); }

  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                 uint32_t lcid) override;
  Variant InvokeAs(const Guid& iid, std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                   uint32_t lcid) override;
  ObjectPtr QueryInterface(const Guid& iid) override;
  Guid InterfaceId() const override;
  std::u16string TypeInfoName() override;

 private:
  void ResolveType(uint32_t lcid) const;
  DispIdCache& CacheFor(const Guid& iid, uint32_t lcid);
  DISPID Lookup(DispIdCache& cache, std::u16string_view member, uint32_t lcid);

  ComPtr<IDispatch> dispatch_;
  // For calls of unknown interface, resolved on first use: only then is the object's type
  // information asked for.
  mutable std::shared_ptr<DispIdCache> cache_;
  mutable GUID type_ = GUID_NULL;
  // The cache of the interface the last typed call named.
  std::shared_ptr<DispIdCache> typedCache_;
  Guid typedIid_;
};

}  // namespace vk
