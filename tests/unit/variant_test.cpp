#include "automation/variant.h"

#include <gtest/gtest.h>

#include <string>

#include "automation/com_error.h"

namespace vk {
namespace {

int32_t ErrorOf(auto&& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e.Error();
  }
  return kSOk;
}

TEST(Variant, ToInt32RoundsHalfToEvenAndTakesThePlatformsValues) {
  struct Case {
    Variant value;
    int32_t expected;
  };
  const Case cases[] = {
      {Variant::R8(2.5), 2},        {Variant::R8(3.5), 4},       {Variant::R8(-2.5), -2},
      {Variant::R8(-3.5), -4},      {Variant::R8(2.4999), 2},    {Variant::R8(2.5001), 3},
      {Variant::R8(0.5), 0},        {Variant::R8(1.5), 2},       {Variant::R4(6.5f), 6},
      {Variant::Date(45000.75), 45001},
      {Variant::Currency(25000), 2}, {Variant::Currency(35000), 4}, {Variant::Currency(-25000), -2},
      {Variant::Currency(-25001), -3},
      {Variant::String(u"2.5"), 2}, {Variant::String(u" 12 "), 12}, {Variant::String(u"-7.5"), -8},
      {Variant::String(u"1,234"), 1234}, {Variant::String(u"1e3"), 1000},
      {Variant::String(u"5-"), -5},  {Variant::String(u"$-5"), -5}, {Variant::String(u"&H1A"), 26},
      {Variant::String(u"&HFFFFFFFF"), -1},
      {Variant::Bool(true), -1},    {Variant::Bool(false), 0},   {Variant(), 0},
      {Variant::I2(-5), -5},        {Variant::I8(2147483647), 2147483647},
      {Variant::R8(-2147483648.5), -2147483648},
      {Variant::Integer(VarType::UI4, 4294967295LL), -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.value.ToInt32(), c.expected) << static_cast<int>(c.value.Type()) << " " << c.value.DoubleValue();
  }
}

TEST(Variant, ConversionsRaiseMismatchAndOverflow) {
  struct Case {
    Variant value;
    int32_t toInt, toDouble, toBool, toString;
  };
  const int32_t ok = kSOk, tm = kDispETypeMismatch, of = kDispEOverflow;
  const Case cases[] = {
      {Variant::Null(), tm, tm, tm, tm},
      {Variant::Error(kDispEParamNotFound), tm, tm, tm, tm},
      {Variant::Object(nullptr), tm, tm, tm, tm},
      {Variant::Array({1}, {Variant::I4(1)}), tm, tm, tm, tm},
      {Variant::String(u"abc"), tm, tm, tm, ok},
      {Variant::String(u""), tm, tm, tm, ok},
      {Variant::String(u"1e400"), of, of, of, ok},
      {Variant::R8(2147483647.5), of, ok, ok, ok},
      {Variant::R8(-2147483648.51), of, ok, ok, ok},
      {Variant::I8(2147483648LL), of, ok, ok, ok},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.value.Type()));
    EXPECT_EQ(ErrorOf([&] { c.value.ToInt32(); }), c.toInt);
    EXPECT_EQ(ErrorOf([&] { c.value.ToDouble(); }), c.toDouble);
    EXPECT_EQ(ErrorOf([&] { c.value.ToBool(); }), c.toBool);
    EXPECT_EQ(ErrorOf([&] { c.value.ToString(); }), c.toString);
  }
}

TEST(Variant, ToInt32TruncatedCutsTowardZero) {
  EXPECT_EQ(Variant::R8(2.9).ToInt32Truncated(), 2);
  EXPECT_EQ(Variant::R8(-2.9).ToInt32Truncated(), -2);
  EXPECT_EQ(Variant::String(u"7.99").ToInt32Truncated(), 7);
  EXPECT_EQ(Variant::R8(2147483647.9).ToInt32Truncated(), 2147483647);
  EXPECT_EQ(ErrorOf([] { Variant::R8(2147483648.0).ToInt32Truncated(); }), kDispEOverflow);
  EXPECT_EQ(ErrorOf([] { Variant::Null().ToInt32Truncated(); }), kDispETypeMismatch);
}

TEST(Variant, ToDoubleAndToBool) {
  EXPECT_EQ(Variant::Currency(-12345).ToDouble(), -1.2345);
  EXPECT_EQ(Variant::String(u"(1,000.5)").ToDouble(), -1000.5);
  EXPECT_EQ(Variant::Bool(true).ToDouble(), -1.0);
  EXPECT_TRUE(Variant::String(u"tRUE").ToBool());
  EXPECT_FALSE(Variant::String(u"False").ToBool());
  EXPECT_TRUE(Variant::String(u"0.1").ToBool());
  EXPECT_FALSE(Variant::R8(0.0).ToBool());
  EXPECT_FALSE(Variant().ToBool());
}

TEST(Variant, ToStringWritesThePlatformsForms) {
  struct Case {
    Variant value;
    std::u16string expected;
  };
  const Case cases[] = {
      {Variant(), u""},
      {Variant::Bool(true), u"-1"},
      {Variant::Bool(false), u"0"},
      {Variant::R8(0.1), u"0.1"},
      {Variant::R8(1.0 / 3.0), u"0.333333333333333"},
      {Variant::R8(12.5), u"12.5"},
      {Variant::R8(-3), u"-3"},
      {Variant::R8(1e20), u"1E+20"},
      {Variant::R8(1e-5), u"1E-05"},
      {Variant::R8(123456789012345678.0), u"1.23456789012346E+17"},
      {Variant::R4(0.1f), u"0.1"},
      {Variant::Currency(125000), u"12.5"},
      {Variant::Currency(-5), u"-0.0005"},
      {Variant::I4(-42), u"-42"},
      {Variant::Date(45292.0), u"1/1/2024"},
      {Variant::Date(45292.75), u"1/1/2024 6:00:00 PM"},
      {Variant::Date(0.5), u"12:00:00 PM"},
      {Variant::Date(0.0), u"12:00:00 AM"},
      {Variant::Date(-1.25), u"12/29/1899 6:00:00 AM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.value.ToString(), c.expected) << static_cast<int>(c.value.Type());
  }
}

TEST(Variant, MissingIsTheOmittedArgumentError) {
  Variant missing = Variant::Missing();
  EXPECT_EQ(missing.Type(), VarType::Error);
  EXPECT_EQ(missing.IntegerValue(), kDispEParamNotFound);
  EXPECT_TRUE(missing.IsMissing());
  EXPECT_FALSE(Variant::Error(kEFail).IsMissing());
  EXPECT_FALSE(Variant::I4(kDispEParamNotFound).IsMissing());
}

TEST(Variant, EqualityKeepsTheType) {
  EXPECT_EQ(Variant::I4(1), Variant::I4(1));
  EXPECT_NE(Variant::I4(1), Variant::I2(1));
  EXPECT_NE(Variant::R8(1), Variant::Date(1));
  EXPECT_NE(Variant(), Variant::Null());
  EXPECT_EQ(Variant::String(u"a"), Variant::String(u"a"));
  EXPECT_EQ(Variant::Array({2, 1}, {Variant::I4(1), Variant::String(u"x")}),
            Variant::Array({2, 1}, {Variant::I4(1), Variant::String(u"x")}));
  EXPECT_NE(Variant::Array({2, 1}, {Variant::I4(1), Variant::String(u"x")}),
            Variant::Array({1, 2}, {Variant::I4(1), Variant::String(u"x")}));
  EXPECT_EQ(ErrorOf([] { Variant::Array({2, 2}, {Variant()}); }), kEInvalidArg);
}

TEST(ComError, CarriesTheSystemTextOrTheGivenOne) {
  EXPECT_EQ(ComError(kDispETypeMismatch).ErrorMessage(), u"Type mismatch.");
  EXPECT_EQ(ComError(kEFail).ErrorMessage(), u"Unspecified error");
  EXPECT_EQ(ComError(kEInvalidArg).ErrorMessage(), u"The parameter is incorrect.");
  EXPECT_EQ(ComError(kExcelBusy).ErrorMessage(), u"Unknown error 0x800AC472");
  EXPECT_EQ(ComError(0x1234).ErrorMessage(), u"Unknown error 0x00001234");
  ComError own(kEFail, u"Sheet is protected");
  EXPECT_EQ(own.Error(), kEFail);
  EXPECT_EQ(own.ErrorMessage(), u"Sheet is protected");
}

}  // namespace
}  // namespace vk
