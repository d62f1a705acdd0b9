#include "text/path_text.h"

namespace vk {

PathParts SplitPath(std::u16string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == u':') {
    parts.drive = path.substr(0, 2);
    path.remove_prefix(2);
  }
  const size_t slash = path.find_last_of(u"\\/");
  if (slash != std::u16string_view::npos) {
    parts.folder = path.substr(0, slash + 1);
    path.remove_prefix(slash + 1);
  }
  const size_t dot = path.rfind(u'.');
  parts.name = dot == std::u16string_view::npos ? path : path.substr(0, dot);
  if (dot != std::u16string_view::npos) parts.extension = path.substr(dot);
  return parts;
}

bool IsRelativePath(std::u16string_view path) {
  if (path.empty()) return true;
  if (path[0] == u'\\' || path[0] == u'/') return false;
  return !(path.size() >= 2 && path[1] == u':');
}

std::u16string ParentFolder(std::u16string path) {
  while (!path.empty() && (path.back() == u'\\' || path.back() == u'/')) path.pop_back();
  const size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

void AddTrailingBackslash(std::u16string& path) {
  if (path.empty() || path.back() != u'\\') path += u'\\';
}

}  // namespace vk
