#include "import/uti_func.h"

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

// Columns 1 to 702 come out as one or two letters exactly as before; past ZZ the same bijective
// base-26 scheme goes on to three letters (703 is AAA, 16384 is XFD, as Excel names them) instead
// of running past 'Z' into punctuation.
std::u16string CUtiFunc::ColumnLetters(int column) {
  std::u16string letters;
  for (long long n = column; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char16_t>(u'A' + (n - 1) % 26));
  }
  return letters;
}

void CUtiFunc::AddTrailingBackslash(std::u16string& path) {
  if (path.empty() || path.back() != u'\\') path += u'\\';
}

}  // namespace vk
