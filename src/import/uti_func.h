#pragma once
#include <string>

#include "text/tolerance.h"

namespace vk {

// The import engine's names for the small shared helpers. Each only hands on to the one
// implementation below the import floor (text/ for comparisons, letters and paths, ui/ for
// the documents folder), which settings and the dialogs call directly. Comparisons use one
// absolute tolerance, 1e-6, and answer 1 or 0.
class CUtiFunc {
 public:
  virtual ~CUtiFunc() = default;

  static constexpr double kTolerance = vk::kTolerance;

  static int DoubleEqual(double a, double b) { return vk::DoubleEqual(a, b); }
  static int DoubleGreater(double a, double b) { return vk::DoubleGreater(a, b); }
  static int DoubleLess(double a, double b) { return vk::DoubleLess(a, b); }
  static int DoubleLessEqual(double a, double b) { return vk::DoubleLessEqual(a, b); }

  // The user's documents folder with a trailing backslash, or ".\" when the shell cannot name it.
  static std::u16string DocumentsFolder();
  // Column letters of a 1-based column number: A..Z, AA..ZZ, then AAA on; empty below 1.
  static std::u16string ColumnLetters(int column);
  // Appends a backslash unless the text ends in one; "" becomes "\".
  static void AddTrailingBackslash(std::u16string& path);
};

}  // namespace vk
