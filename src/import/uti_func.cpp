#include "import/uti_func.h"

#include "ui/text_format.h"

#include <cmath>

#include "ui/shell.h"

namespace vk {

int CUtiFunc::DoubleEqual(double a, double b) { return std::fabs(a - b) < kTolerance ? 1 : 0; }
int CUtiFunc::DoubleGreater(double a, double b) { return a - b > kTolerance ? 1 : 0; }
int CUtiFunc::DoubleLess(double a, double b) { return b - a > kTolerance ? 1 : 0; }
int CUtiFunc::DoubleLessEqual(double a, double b) { return b - a > -kTolerance ? 1 : 0; }

std::u16string CUtiFunc::DocumentsFolder() {
  std::optional<std::u16string> folder = Shell::Current().PersonalFolder();
  if (!folder) return u".\\";
  AddTrailingBackslash(*folder);
  return *folder;
}

// Columns 1 to 702 come out as one or two letters exactly as before; past ZZ three letters
// instead of characters beyond 'Z'.
std::u16string CUtiFunc::ColumnLetters(int column) { return vk::ColumnLetters(column); }

void CUtiFunc::AddTrailingBackslash(std::u16string& path) {
  if (path.empty() || path.back() != u'\\') path += u'\\';
}

}  // namespace vk
