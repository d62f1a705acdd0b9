// Registration of the real module: exactly the keys an Excel add-in needs, idempotent, removed
// again by unregistration; the class factory and the unload answer of the module's exports.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "host_process.h"
#include "registration_lock.h"

namespace {

const wchar_t kClsid[] = L"{510AD967-0A36-4AA3-AF98-862B93AB118D}";
const wchar_t kLibid[] = L"{54884771-AA92-40A5-B9F3-449C891B6A91}";
const wchar_t kAddinKey[] = L"Software\\Microsoft\\Office\\Excel\\Addins\\Vellumark.VK2019";

using Dump = std::set<std::wstring>;

// Every key and value below root\path as "path|name=data" lines ("path" alone for a key).
void DumpKey(HKEY root, const std::wstring& path, Dump& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  out.insert(path);
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256, type = 0;
    BYTE data[2048];
    DWORD size = sizeof data;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    std::wstring text;
    if (type == REG_SZ) text = L"sz:" + std::wstring(std::wstring(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t)).c_str());
    else if (type == REG_DWORD) text = L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data));
    else text = L"type" + std::to_wstring(type);
    out.insert(path + L"|" + name + L"=" + text);
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DumpKey(root, path + L"\\" + name, out);
  }
  RegCloseKey(key);
}

Dump RegisteredEntries() {
  Dump dump;
  DumpKey(HKEY_CLASSES_ROOT, L"Vellumark.VK2019.1", dump);
  DumpKey(HKEY_CLASSES_ROOT, L"Vellumark.VK2019", dump);
  DumpKey(HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + kClsid, dump);
  DumpKey(HKEY_CURRENT_USER, kAddinKey, dump);
  return dump;
}

bool KeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

template <class F>
F Export(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    module_ = LoadLibraryW((vk::test::ProgramFolder() + L"Vellumark.dll").c_str());
    ASSERT_NE(module_, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module_, path, MAX_PATH);
    path_ = path;
    registerServer_ = Export<HRESULT(STDAPICALLTYPE*)()>(module_, "DllRegisterServer");
    unregisterServer_ = Export<HRESULT(STDAPICALLTYPE*)()>(module_, "DllUnregisterServer");
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
    CoUninitialize();
  }

  vk::test::RegistrationLock lock_;
  HMODULE module_ = nullptr;
  std::wstring path_;
  HRESULT(STDAPICALLTYPE* registerServer_)() = nullptr;
  HRESULT(STDAPICALLTYPE* unregisterServer_)() = nullptr;
};

TEST_F(Registration, WritesExactlyTheAddInKeysOnceAndRemovesThem) {
  const std::wstring cls = std::wstring(L"CLSID\\") + kClsid;
  const Dump expected = {
      L"Vellumark.VK2019.1",
      L"Vellumark.VK2019.1|=sz:VK2019 Class",
      L"Vellumark.VK2019.1\\CLSID",
      L"Vellumark.VK2019.1\\CLSID|=sz:" + std::wstring(kClsid),
      L"Vellumark.VK2019",
      L"Vellumark.VK2019|=sz:VK2019 Class",
      L"Vellumark.VK2019\\CLSID",
      L"Vellumark.VK2019\\CLSID|=sz:" + std::wstring(kClsid),
      L"Vellumark.VK2019\\CurVer",
      L"Vellumark.VK2019\\CurVer|=sz:Vellumark.VK2019.1",
      cls,
      cls + L"|=sz:VK2019 Class",
      cls + L"\\ProgID",
      cls + L"\\ProgID|=sz:Vellumark.VK2019.1",
      cls + L"\\VersionIndependentProgID",
      cls + L"\\VersionIndependentProgID|=sz:Vellumark.VK2019",
      cls + L"\\Programmable",
      cls + L"\\InprocServer32",
      cls + L"\\InprocServer32|=sz:" + path_,
      cls + L"\\InprocServer32|ThreadingModel=sz:Apartment",
      cls + L"\\TypeLib",
      cls + L"\\TypeLib|=sz:" + std::wstring(kLibid),
      kAddinKey,
      std::wstring(kAddinKey) + L"|FriendlyName=sz:Vellumark2019",
      std::wstring(kAddinKey) + L"|Description=sz:Vellumark2019",
      std::wstring(kAddinKey) + L"|LoadBehavior=dword:3",
      std::wstring(kAddinKey) + L"|CommandLineSafe=dword:1",
  };

  // A stale entry inside the class key goes: the class key is replaced whole.
  RegSetKeyValueW(HKEY_CLASSES_ROOT, (cls + L"\\Stale").c_str(), nullptr, REG_SZ, L"x", 4);
  ASSERT_EQ(registerServer_(), S_OK);
  EXPECT_EQ(RegisteredEntries(), expected);
  ASSERT_EQ(registerServer_(), S_OK);
  EXPECT_EQ(RegisteredEntries(), expected);
  // The type library is registered with the module as its file.
  wchar_t tlb[MAX_PATH] = {};
  LONG size = sizeof tlb;
  EXPECT_EQ(RegQueryValueW(HKEY_CLASSES_ROOT, (std::wstring(L"TypeLib\\") + kLibid + L"\\1.0\\409\\win64").c_str(),
                           tlb, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(tlb), path_);

  ASSERT_EQ(unregisterServer_(), S_OK);
  EXPECT_EQ(RegisteredEntries(), Dump{});
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, std::wstring(L"TypeLib\\") + kLibid));
  EXPECT_EQ(unregisterServer_(), S_OK);  // nothing left to remove is no failure

  ASSERT_EQ(registerServer_(), S_OK);  // the other tests create the add-in by its ProgID
}

TEST_F(Registration, ClassFactoryAndUnloading) {
  auto getClassObject = Export<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(module_, "DllGetClassObject");
  auto canUnloadNow = Export<HRESULT(STDAPICALLTYPE*)()>(module_, "DllCanUnloadNow");
  ASSERT_TRUE(getClassObject && canUnloadNow);

  void* factory = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject(CLSID_StdGlobalInterfaceTable, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(canUnloadNow(), S_OK);

  ASSERT_EQ(registerServer_(), S_OK);
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"Vellumark.VK2019", &clsid), S_OK);
  IUnknown* addin = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&addin)),
            S_OK);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  IClassFactory* held = nullptr;
  ASSERT_EQ(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&held)), S_OK);
  addin->Release();
  EXPECT_EQ(canUnloadNow(), S_FALSE);  // the factory keeps the module
  held->LockServer(TRUE);
  held->Release();
  EXPECT_EQ(canUnloadNow(), S_FALSE);  // so does a lock
  // The lock needs a factory to be taken off again.
  ASSERT_EQ(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&held)), S_OK);
  held->LockServer(FALSE);
  held->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);
}

// The export table holds the four entry points and nothing else.
TEST_F(Registration, ExportsExactlyTheFourEntryPoints) {
  auto base = reinterpret_cast<const BYTE*>(module_);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(dir.VirtualAddress, 0u);
  auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::set<std::string> found;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) found.insert(reinterpret_cast<const char*>(base + names[i]));
  EXPECT_EQ(exports->NumberOfFunctions, 4u);
  EXPECT_EQ(found, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                          "DllUnregisterServer"}));
}

}  // namespace
