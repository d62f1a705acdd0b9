#include "test_hive.h"

#include <cstring>
#include <stdexcept>

#include "settings/memory_registry_hive.h"

#ifdef _WIN32
#include "settings/win32/win32_registry_hive.h"  // brings windows.h
#endif

namespace vk::test {

#ifdef _WIN32
namespace {

std::unique_ptr<RegistryHive> MakeWin32TestHive() { return std::make_unique<Win32RegistryHive>(); }

// ctest runs test processes side by side on one prefix; they take turns with the settings key.
void* LockWin32TestRegistry() {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestRegistry");
  if (mutex) WaitForSingleObject(mutex, INFINITE);  // WAIT_ABANDONED still hands over the lock
  return mutex;
}

void UnlockWin32TestRegistry(void* lock) {
  if (!lock) return;
  ReleaseMutex(static_cast<HANDLE>(lock));
  CloseHandle(static_cast<HANDLE>(lock));
}

}  // namespace
#endif

struct TestHive::Lock {
  void* handle = nullptr;
  ~Lock() {
#ifdef _WIN32
    UnlockWin32TestRegistry(handle);
#endif
  }
};

TestHive::TestHive() : lock_(std::make_unique<Lock>()) {
#ifdef _WIN32
  lock_->handle = LockWin32TestRegistry();
  hive_ = MakeWin32TestHive();
#else
  hive_ = std::make_unique<MemoryRegistryHive>();
#endif
  DeleteCompany();
  CRegistry::SetHive(hive_.get());
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
}

TestHive::~TestHive() {
  CRegistry::SetHive(nullptr);
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, u"");
  DeleteCompany();
}

bool TestHive::IsPlatformRegistry() {
#ifdef _WIN32
  return true;
#else
  return false;
#endif
}

void TestHive::DeleteCompany() {
  if (auto software = OpenBelowSoftware(u"", false)) software->DeleteTree(kCompanyName);
}

std::unique_ptr<RegistryKey> TestHive::OpenBelowSoftware(std::u16string_view path, bool create) {
  auto root = hive_->OpenRoot(RegistryRoot::CurrentUser);
  auto software = root->OpenSubKey(u"software", false);
  if (!software || path.empty()) return software;
  return software->OpenSubKey(path, create);
}

bool TestHive::KeyExists(std::u16string_view path) { return OpenBelowSoftware(path, false) != nullptr; }

std::optional<StoredValue> TestHive::Read(std::u16string_view path, std::u16string_view name) {
  auto key = OpenBelowSoftware(path, false);
  if (!key) return std::nullopt;
  StoredValue value;
  uint32_t size = 0;
  if (key->QueryValue(name, &value.type, nullptr, &size) != kRegOk) return std::nullopt;
  value.data.resize(size);
  if (size && key->QueryValue(name, &value.type, value.data.data(), &size) != kRegOk) return std::nullopt;
  return value;
}

void TestHive::Write(std::u16string_view path, std::u16string_view name, RegType type, const std::vector<uint8_t>& data) {
  auto key = OpenBelowSoftware(path, true);
  if (!key || key->SetValue(name, type, data.data(), static_cast<uint32_t>(data.size())) != kRegOk)
    throw std::runtime_error("test hive: cannot write a value");
}

void TestHive::WriteNumber(std::u16string_view path, std::u16string_view name, int32_t value) {
  std::vector<uint8_t> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  Write(path, name, RegType::Dword, bytes);
}

void TestHive::WriteText(std::u16string_view path, std::u16string_view name, std::u16string_view text) {
  std::vector<uint8_t> bytes((text.size() + 1) * 2, 0);
  std::memcpy(bytes.data(), text.data(), text.size() * 2);
  Write(path, name, RegType::Sz, bytes);
}

std::optional<int32_t> TestHive::ReadNumber(std::u16string_view path, std::u16string_view name) {
  const auto v = Read(path, name);
  if (!v || v->type != RegType::Dword || v->data.size() != 4) return std::nullopt;
  int32_t value = 0;
  std::memcpy(&value, v->data.data(), 4);
  return value;
}

std::optional<std::u16string> TestHive::ReadText(std::u16string_view path, std::u16string_view name) {
  const auto v = Read(path, name);
  if (!v || v->type != RegType::Sz || v->data.size() < 2) return std::nullopt;
  std::u16string text(v->data.size() / 2 - 1, u'\0');
  std::memcpy(text.data(), v->data.data(), text.size() * 2);
  return text;
}

}  // namespace vk::test
