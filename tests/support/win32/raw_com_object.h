#pragma once
#include <windows.h>
#include <unknwn.h>

#include <cstring>
#include <utility>
#include <vector>

namespace vk::test {

// A COM object declared as a bare method table, independently of the C++ declarations the
// product and its stand-ins share: a test that calls, or is called through, slots by number
// catches a slot out of place in those declarations. Every slot past IUnknown's records that it
// was called and answers S_OK (the x64 convention lets a caller pass arguments a function
// ignores); a test puts its own functions at the slots whose arguments it needs.
class RawComObject {
 public:
  static constexpr int kMaxSlots = 32;

  RawComObject(std::vector<GUID> iids, int slots) : iids_(std::move(iids)) {
    Fill(std::make_index_sequence<kMaxSlots>());
    table_.resize(slots);
    self_.table = table_.data();  // the table does not move from here on
  }
  RawComObject(const RawComObject&) = delete;
  RawComObject& operator=(const RawComObject&) = delete;

  // The COM pointer; the functions of the table receive it as their first argument.
  void* Pointer() { return &self_; }
  static RawComObject& From(void* pointer) { return *static_cast<Self*>(pointer)->object; }

  template <class Fn>
  void Set(int slot, Fn fn) {
    std::memcpy(&table_[slot], &fn, sizeof(void*));
  }
  void Record(int slot) { called.push_back(slot); }

  // Slots past IUnknown's, in the order they were called.
  std::vector<int> called;
  ULONG refs = 1;
  // For the test's own functions: whatever they need to reach.
  void* context = nullptr;

 private:
  struct Self {
    void* const* table;
    RawComObject* object;
  };

  template <int N>
  static HRESULT STDMETHODCALLTYPE Recorded(void* self) {
    From(self).Record(N);
    return S_OK;
  }
  static HRESULT STDMETHODCALLTYPE QueryInterface(void* self, REFIID iid, void** out) {
    RawComObject& object = From(self);
    for (const GUID& known : object.iids_) {
      if (IsEqualIID(iid, known)) {
        ++object.refs;
        *out = self;
        return S_OK;
      }
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  static ULONG STDMETHODCALLTYPE AddRef(void* self) { return ++From(self).refs; }
  static ULONG STDMETHODCALLTYPE Release(void* self) { return --From(self).refs; }

  template <size_t... N>
  void Fill(std::index_sequence<N...>) {
    table_.resize(kMaxSlots);
    (Set(static_cast<int>(N), &Recorded<static_cast<int>(N)>), ...);
    Set(0, &QueryInterface);
    Set(1, &AddRef);
    Set(2, &Release);
  }

  std::vector<GUID> iids_;
  std::vector<void*> table_;
  Self self_{nullptr, this};
};

}  // namespace vk::test
