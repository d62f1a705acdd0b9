#include "import/uti_func.h"

#include <gtest/gtest.h>

#include "test_shell.h"

namespace vk {
namespace {

struct Comparison {
  const char* name;
  int (*op)(double, double);
  double a;
  double b;
  int expected;
};

TEST(UtiFunc, ComparesWithAnAbsoluteToleranceOfOneMillionth) {
  const Comparison cases[] = {
      {"Equal 0.1+0.2 vs 0.3", CUtiFunc::DoubleEqual, 0.1 + 0.2, 0.3, 1},
      {"Equal 1 vs 1.000002", CUtiFunc::DoubleEqual, 1, 1.000002, 0},
      {"Equal 1 vs 1.0000009", CUtiFunc::DoubleEqual, 1, 1.0000009, 1},
      {"Equal -5 vs -5", CUtiFunc::DoubleEqual, -5, -5, 1},
      {"Greater 1.0000011 vs 1", CUtiFunc::DoubleGreater, 1.0000011, 1, 1},
      {"Greater 1.0000005 vs 1", CUtiFunc::DoubleGreater, 1.0000005, 1, 0},
      {"Greater 1 vs 2", CUtiFunc::DoubleGreater, 1, 2, 0},
      {"Less 1 vs 1.0000005", CUtiFunc::DoubleLess, 1, 1.0000005, 0},
      {"Less 1 vs 1.0000011", CUtiFunc::DoubleLess, 1, 1.0000011, 1},
      {"Less 2 vs 1", CUtiFunc::DoubleLess, 2, 1, 0},
      {"LessEqual 1.0000005 vs 1", CUtiFunc::DoubleLessEqual, 1.0000005, 1, 1},
      {"LessEqual 1.0000011 vs 1", CUtiFunc::DoubleLessEqual, 1.0000011, 1, 0},
      {"LessEqual 1 vs 1", CUtiFunc::DoubleLessEqual, 1, 1, 1},
      {"LessEqual 0.5 vs 1", CUtiFunc::DoubleLessEqual, 0.5, 1, 1},
      // A difference of exactly the tolerance (exact in binary from 0): not within it.
      {"Equal 0 vs 1e-6", CUtiFunc::DoubleEqual, 0, 1e-6, 0},
      {"Greater 1e-6 vs 0", CUtiFunc::DoubleGreater, 1e-6, 0, 0},
      {"Less 0 vs 1e-6", CUtiFunc::DoubleLess, 0, 1e-6, 0},
      {"LessEqual 1e-6 vs 0", CUtiFunc::DoubleLessEqual, 1e-6, 0, 0},
  };
  for (const Comparison& c : cases) EXPECT_EQ(c.op(c.a, c.b), c.expected) << c.name;
}

TEST(UtiFunc, NamesColumnsWithOneTwoOrThreeLetters) {
  const std::pair<int, std::u16string> cases[] = {
      {1, u"A"},     {26, u"Z"},     {27, u"AA"},   {52, u"AZ"},    {53, u"BA"},  {702, u"ZZ"},
      {703, u"AAA"}, {728, u"AAZ"},  {16384, u"XFD"}, {0, u""},     {-3, u""},
  };
  for (const auto& [column, letters] : cases) EXPECT_EQ(CUtiFunc::ColumnLetters(column), letters) << column;
}

TEST(UtiFunc, AddsATrailingBackslashOnlyWhenMissing) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u"\\"}, {u"C:\\Data", u"C:\\Data\\"}, {u"C:\\Data\\", u"C:\\Data\\"}, {u"pics/", u"pics/\\"}};
  for (auto [path, expected] : cases) {
    CUtiFunc::AddTrailingBackslash(path);
    EXPECT_EQ(path, expected);
  }
}

TEST(UtiFunc, DocumentsFolderEndsInABackslashOrIsTheCurrentFolder) {
  {
    test::TestShell shell(u"C:\\Users\\ann\\Documents");
    EXPECT_EQ(CUtiFunc::DocumentsFolder(), u"C:\\Users\\ann\\Documents\\");
  }
  {
    test::TestShell shell(u"D:\\");
    EXPECT_EQ(CUtiFunc::DocumentsFolder(), u"D:\\");
  }
  {
    test::TestShell failing(std::nullopt);
    EXPECT_EQ(CUtiFunc::DocumentsFolder(), u".\\");
  }
}

}  // namespace
}  // namespace vk
