#pragma once
#include <windows.h>
#include <ole2.h>

#include <atomic>

namespace vk {

// Reference counting and aggregation for the module's COM objects. The object owns a
// non-delegating IUnknown; the IUnknown methods of its interfaces forward to Outer(), which is
// the controlling unknown when the object is aggregated and that inner unknown otherwise.
// Every live object keeps the module loaded.
class CComObjectRoot {
 public:
  CComObjectRoot(const CComObjectRoot&) = delete;
  CComObjectRoot& operator=(const CComObjectRoot&) = delete;

  // The non-delegating unknown: what the class factory hands to an aggregating outer object.
  IUnknown* InnerUnknown() { return &inner_; }
  IUnknown* Outer() const { return outer_; }

 protected:
  explicit CComObjectRoot(IUnknown* outer);
  virtual ~CComObjectRoot();

  // Looks up one of the object's own interfaces (IUnknown excluded) without adding a reference;
  // null when the object has none with that identifier.
  virtual void* FindInterface(REFIID iid) = 0;

 private:
  class Inner final : public IUnknown {
   public:
    explicit Inner(CComObjectRoot* owner) : owner_(owner) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

   private:
    CComObjectRoot* owner_;
  };

  Inner inner_;
  IUnknown* outer_;
  std::atomic<ULONG> refs_{1};  // the creator's reference
};

// The three IUnknown methods of a class deriving from CComObjectRoot and its interfaces.
#define VK_DELEGATING_UNKNOWN()                                                              \
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {                           \
    return Outer()->QueryInterface(iid, ppv);                                                \
  }                                                                                          \
  STDMETHODIMP_(ULONG) AddRef() override { return Outer()->AddRef(); }                       \
  STDMETHODIMP_(ULONG) Release() override { return Outer()->Release(); }

}  // namespace vk
