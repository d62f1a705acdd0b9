#pragma once
#include <string>
#include <string_view>

namespace vk {

// A path taken apart as the C runtime's path splitter does it: drive ("C:"), folder (up to and
// including the last separator), file name, and extension (from the name's last dot on).
struct PathParts {
  std::u16string_view drive;
  std::u16string_view folder;
  std::u16string_view name;
  std::u16string_view extension;
};
PathParts SplitPath(std::u16string_view path);

// As the shell decides it: a path is relative unless it starts at a root ("\folder",
// "\\server") or names a drive ("C:..."). An empty path is relative.
bool IsRelativePath(std::u16string_view path);

// The folder a path is in: the text before its last separator, trailing separators ignored;
// empty when there is none.
std::u16string ParentFolder(std::u16string path);

// Appends a backslash unless the text ends in one; "" becomes "\".
void AddTrailingBackslash(std::u16string& path);

}  // namespace vk
