#pragma once
#include <string>

namespace vk {

// Small helpers shared by the import engine and the options dialogs. Comparisons use one
// absolute tolerance, 1e-6, and answer 1 or 0.
class CUtiFunc {
 public:
  virtual ~CUtiFunc() = default;

  static constexpr double kTolerance = 1e-6;

  static int DoubleEqual(double a, double b);      // |a - b| < 1e-6
  static int DoubleGreater(double a, double b);    // a - b > 1e-6
  static int DoubleLess(double a, double b);       // b - a > 1e-6
  static int DoubleLessEqual(double a, double b);  // b - a > -1e-6

  // The user's documents folder with a trailing backslash, or ".\" when the shell cannot name it.
  static std::u16string DocumentsFolder();
  // Column letters of a 1-based column number: A..Z, AA..ZZ, then AAA on; empty below 1.
  static std::u16string ColumnLetters(int column);
  // Appends a backslash unless the text ends in one; "" becomes "\".
  static void AddTrailingBackslash(std::u16string& path);
};

}  // namespace vk
