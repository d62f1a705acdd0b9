#include "settings/memory_registry_hive.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

namespace vk {
namespace {

constexpr long kRegNoAccess = 998;

char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Registry names compare without regard to case.
struct CaseLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const char16_t x = FoldCase(a[i]), y = FoldCase(b[i]);
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

struct StoredValue {
  RegType type = RegType::None;
  std::vector<uint8_t> data;
};

}  // namespace

struct MemoryRegistryHive::Node {
  std::map<std::u16string, std::shared_ptr<Node>, CaseLess> keys;
  std::map<std::u16string, StoredValue, CaseLess> values;
  bool deleted = false;

  void MarkDeleted() {
    deleted = true;
    for (auto& [name, child] : keys) child->MarkDeleted();
    keys.clear();
    values.clear();
  }
};

namespace {

using Node = MemoryRegistryHive::Node;

// Splits a key path at backslashes. A leading backslash or an empty level is refused as the
// registry refuses it; one trailing backslash is tolerated.
std::optional<std::vector<std::u16string_view>> SplitPath(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  if (path.empty()) return parts;
  if (path.front() == u'\\') return std::nullopt;
  if (path.back() == u'\\') path.remove_suffix(1);
  size_t start = 0;
  while (true) {
    const size_t end = path.find(u'\\', start);
    const std::u16string_view part = path.substr(start, end == std::u16string_view::npos ? path.npos : end - start);
    if (part.empty()) return std::nullopt;
    parts.push_back(part);
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return parts;
}

class MemoryRegistryKey final : public RegistryKey {
 public:
  explicit MemoryRegistryKey(std::shared_ptr<Node> node) : node_(std::move(node)) {}

  std::unique_ptr<RegistryKey> OpenSubKey(std::u16string_view path, bool create, long* status) override {
    long result = kRegOk;
    std::shared_ptr<Node> found = Walk(path, create, &result);
    if (status) *status = result;
    if (!found) return nullptr;
    return std::make_unique<MemoryRegistryKey>(std::move(found));
  }

  long QueryValue(std::u16string_view name, RegType* type, uint8_t* data, uint32_t* size) override {
    if (node_->deleted) return kRegKeyDeleted;
    if (data && !size) return kRegInvalidParameter;
    const auto it = node_->values.find(name);
    if (it == node_->values.end()) return kRegNotFound;
    const StoredValue& value = it->second;
    const auto needed = static_cast<uint32_t>(value.data.size());
    if (type) *type = value.type;
    if (data) {
      if (*size < needed) {
        *size = needed;
        return kRegMoreData;
      }
      if (needed) std::memcpy(data, value.data.data(), needed);
    }
    if (size) *size = needed;
    return kRegOk;
  }

  long SetValue(std::u16string_view name, RegType type, const uint8_t* data, uint32_t size) override {
    if (node_->deleted) return kRegKeyDeleted;
    if (!data && size) return kRegNoAccess;
    StoredValue value{type, data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>()};
    auto it = node_->values.find(name);
    if (it == node_->values.end())
      node_->values.emplace(std::u16string(name), std::move(value));
    else
      it->second = std::move(value);
    return kRegOk;
  }

  long DeleteValue(std::u16string_view name) override {
    if (node_->deleted) return kRegKeyDeleted;
    const auto it = node_->values.find(name);
    if (it == node_->values.end()) return kRegNotFound;
    node_->values.erase(it);
    return kRegOk;
  }

  long DeleteTree(std::u16string_view path) override {
    if (node_->deleted) return kRegKeyDeleted;
    const auto parts = SplitPath(path);
    if (!parts) return kRegBadPathname;
    if (parts->empty()) {
      // Like RegDeleteTreeW without a sub-key: empties the key but keeps it.
      for (auto& [name, child] : node_->keys) child->MarkDeleted();
      node_->keys.clear();
      node_->values.clear();
      return kRegOk;
    }
    Node* parent = node_.get();
    for (size_t i = 0; i + 1 < parts->size(); ++i) {
      const auto it = parent->keys.find((*parts)[i]);
      if (it == parent->keys.end()) return kRegNotFound;
      parent = it->second.get();
    }
    const auto it = parent->keys.find(parts->back());
    if (it == parent->keys.end()) return kRegNotFound;
    it->second->MarkDeleted();
    parent->keys.erase(it);
    return kRegOk;
  }

 private:
  std::shared_ptr<Node> Walk(std::u16string_view path, bool create, long* status) {
    if (node_->deleted) {
      *status = kRegKeyDeleted;
      return nullptr;
    }
    const auto parts = SplitPath(path);
    if (!parts) {
      *status = kRegBadPathname;
      return nullptr;
    }
    std::shared_ptr<Node> current = node_;
    for (const std::u16string_view part : *parts) {
      auto it = current->keys.find(part);
      if (it == current->keys.end()) {
        if (!create) {
          *status = kRegNotFound;
          return nullptr;
        }
        it = current->keys.emplace(std::u16string(part), std::make_shared<Node>()).first;
      }
      current = it->second;
    }
    return current;
  }

  std::shared_ptr<Node> node_;
};

}  // namespace

MemoryRegistryHive::MemoryRegistryHive() {
  for (auto& root : roots_) root = std::make_shared<Node>();
  // Every Windows profile has these.
  for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine})
    roots_[static_cast<int>(root)]->keys.emplace(u"Software", std::make_shared<Node>());
}

MemoryRegistryHive::~MemoryRegistryHive() {
  // Handles may outlive the hive; they then see deleted keys rather than dangling ones.
  for (auto& root : roots_) root->MarkDeleted();
}

std::unique_ptr<RegistryKey> MemoryRegistryHive::OpenRoot(RegistryRoot root) {
  return std::make_unique<MemoryRegistryKey>(roots_[static_cast<int>(root)]);
}

}  // namespace vk
