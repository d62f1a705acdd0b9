#pragma once
#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <span>
#include <string>

namespace vk {

// One creatable class of the module: its class identifier and how to make an instance (with
// one reference on its non-delegating unknown; aggregated when outer is given).
struct ObjectMapEntry {
  const CLSID* clsid;
  IUnknown* (*create)(IUnknown* outer);
};

// The in-process server's bookkeeping: which module it is, and how many objects and locks keep
// it loaded. DllCanUnloadNow asks it; every COM object and the class factory count in it.
class CServerModule {
 public:
  // The module that holds this code: the add-in DLL in the product, the test program when the
  // add-in's objects are linked into a test.
  static HINSTANCE Instance();
  // Start-up and shut-down of the COM server support: the creatable classes and the type
  // library the module carries.
  static void Init(std::span<const ObjectMapEntry> objectMap, const GUID& libid);
  static void Term();
  static const GUID& TypeLibId() { return libid_; }

  // DllGetClassObject: the class factory of a class of the object map.
  static HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv);
  // The embedded type library (TYPELIB 1) registered with the module as its file, and removed.
  static HRESULT RegisterTypeLib();
  static HRESULT UnregisterTypeLib();

  // Full path of that module.
  static std::wstring ModulePath();

  static void ObjectCreated() { ++objects_; }
  static void ObjectDestroyed() { --objects_; }
  static void Lock() { ++locks_; }
  // An unlock without a lock (a caller's mistake) is ignored rather than letting the count go
  // negative, where it would keep the module from ever unloading or unload it under a lock.
  static void Unlock() {
    long held = locks_.load();
    while (held > 0 && !locks_.compare_exchange_weak(held, held - 1)) {
    }
  }
  static bool CanUnload() { return objects_.load() == 0 && locks_.load() == 0; }
  static long ObjectCount() { return objects_.load(); }
  static long LockCount() { return locks_.load(); }

 private:
  static inline std::span<const ObjectMapEntry> objectMap_;
  static inline GUID libid_{};
  static inline std::atomic<long> objects_{0};
  static inline std::atomic<long> locks_{0};
};

}  // namespace vk
