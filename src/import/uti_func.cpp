#include "import/uti_func.h"

#include "text/path_text.h"
#include "text/text_format.h"
#include "ui/shell.h"

namespace vk {

std::u16string CUtiFunc::DocumentsFolder() { return vk::DocumentsFolder(); }
std::u16string CUtiFunc::ColumnLetters(int column) { return vk::ColumnLetters(column); }
void CUtiFunc::AddTrailingBackslash(std::u16string& path) { vk::AddTrailingBackslash(path); }

}  // namespace vk
