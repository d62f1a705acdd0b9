#include "addin/registrar.h"

namespace vk {

namespace {

HRESULT FromStatus(LSTATUS status) { return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status); }

HRESULT SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
  return FromStatus(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
}

bool IsKey(RegEntry::Kind kind) {
  return kind == RegEntry::Key || kind == RegEntry::ReplacedKey || kind == RegEntry::SharedKey;
}

}  // namespace

std::wstring CRegistrar::Expand(const wchar_t* text) const {
  std::wstring out = text ? text : L"";
  const std::wstring token = L"%MODULE%";
  for (size_t at = out.find(token); at != std::wstring::npos; at = out.find(token, at + modulePath_.size())) {
    out.replace(at, token.size(), modulePath_);
  }
  return out;
}

HRESULT CRegistrar::Register(std::span<const RegEntry> entries) const {
  for (const RegEntry& e : entries) {
    if (e.kind == RegEntry::ReplacedKey) {
      LSTATUS status = RegDeleteTreeW(e.root, e.key);
      if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return FromStatus(status);
    }
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(e.root, e.key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return FromStatus(status);
    HRESULT hr = S_OK;
    if (IsKey(e.kind)) {
      if (e.text) hr = SetString(key, nullptr, Expand(e.text));
    } else if (e.kind == RegEntry::TextValue) {
      hr = SetString(key, e.name, Expand(e.text));
    } else {
      hr = FromStatus(RegSetValueExW(key, e.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&e.number),
                                     sizeof e.number));
    }
    RegCloseKey(key);
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

HRESULT CRegistrar::Unregister(std::span<const RegEntry> entries) const {
  HRESULT first = S_OK;
  auto note = [&first](LSTATUS status) {
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && SUCCEEDED(first)) first = FromStatus(status);
  };
  // Deepest entries first, so that a key is gone before its parent is looked at.
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    const RegEntry& e = *it;
    if (e.kind == RegEntry::Key || e.kind == RegEntry::ReplacedKey) {
      note(RegDeleteTreeW(e.root, e.key));  // the key itself goes with its contents
    } else if (!IsKey(e.kind)) {
      note(RegDeleteKeyValueW(e.root, e.key, e.name));
    }
  }
  return first;
}

}  // namespace vk
