#include "automation/win32/variant_bridge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/dispatch_object.h"
#include "automation/win32/win32_text.h"
#include "win32/system_text.h"
#include "win32/dispatch_server.h"

namespace vk {
namespace {

struct PlatformVariant {
  VARIANT v;
  PlatformVariant() { VariantInit(&v); }
  ~PlatformVariant() { VariantClear(&v); }
};

// One conversion's outcome: the HRESULT and, when it succeeded, the value as text.
struct Outcome {
  HRESULT hr = S_OK;
  std::u16string value;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::string Describe(const Outcome& o) {
  char code[16];
  std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(o.hr));
  return std::string(code) + " '" + std::string(o.value.begin(), o.value.end()) + "'";
}

std::u16string Text(double d) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", d);
  return std::u16string(buffer, buffer + std::strlen(buffer));
}

Outcome Ours(const Variant& value, VARTYPE target) {
  Outcome o;
  try {
    switch (target) {
      case VT_I4: o.value = Text(value.ToInt32()); break;
      case VT_R8: o.value = Text(value.ToDouble()); break;
      case VT_BOOL: o.value = value.ToBool() ? u"true" : u"false"; break;
      default: o.value = value.ToString(); break;
    }
  } catch (const ComError& e) {
    o = {e.Error(), {}};
  }
  return o;
}

Outcome Platforms(const Variant& value, VARTYPE target) {
  PlatformVariant source, result;
  VariantBridge::Default().ToPlatform(value, &source.v);
  Outcome o;
  o.hr = VariantChangeType(&result.v, &source.v, 0, target);
  if (FAILED(o.hr)) return o;
  switch (target) {
    case VT_I4: o.value = Text(V_I4(&result.v)); break;
    case VT_R8: o.value = Text(V_R8(&result.v)); break;
    case VT_BOOL: o.value = V_BOOL(&result.v) ? u"true" : u"false"; break;
    default: o.value = FromWide(V_BSTR(&result.v)); break;
  }
  return o;
}

// Our conversions are the platform's: the same value, or the same failure, for every case.
TEST(VariantBridge, ConversionsMatchVariantChangeType) {
  const std::vector<Variant> values = {
      Variant(), Variant::Null(), Variant::Missing(), Variant::Error(static_cast<int32_t>(0x800A07FA)),
      Variant::Bool(true), Variant::Bool(false),
      Variant::I2(-5), Variant::I4(123456), Variant::I8(2147483648LL), Variant::I8(-5),
      Variant::Integer(VarType::I1, -3), Variant::Integer(VarType::UI1, 200),
      Variant::Integer(VarType::UI2, 65535), Variant::Integer(VarType::UI4, 4294967295LL),
      Variant::Integer(VarType::UI8, 12), Variant::Integer(VarType::Int, -9),
      Variant::Integer(VarType::UInt, 2147483648LL),
      Variant::R4(6.5f), Variant::R4(0.1f), Variant::R4(-7.25f), Variant::R4(3.4e38f),
      Variant::R8(2.5), Variant::R8(3.5), Variant::R8(-2.5), Variant::R8(-3.5), Variant::R8(0.5),
      Variant::R8(1.5), Variant::R8(0.1), Variant::R8(1.0 / 3.0), Variant::R8(12.5), Variant::R8(-3),
      Variant::R8(1e20), Variant::R8(1e-5), Variant::R8(123456789012345678.0), Variant::R8(1e15),
      Variant::R8(123456789012345.0), Variant::R8(0.000123), Variant::R8(2147483647.4),
      Variant::R8(2147483647.5), Variant::R8(-2147483648.5), Variant::R8(-2147483648.51),
      Variant::R8(1e300), Variant::R8(0),
      Variant::Currency(25000), Variant::Currency(35000), Variant::Currency(-25000),
      Variant::Currency(125000), Variant::Currency(-5), Variant::Currency(-25001),
      Variant::Date(45292.0), Variant::Date(45292.75), Variant::Date(0.5), Variant::Date(0.0),
      Variant::Date(-1.25), Variant::Date(45000.5),
      Variant::String(u"2.5"), Variant::String(u"3.5"), Variant::String(u" 12 "), Variant::String(u"-7.5"),
      Variant::String(u"1,234"), Variant::String(u"1e3"), Variant::String(u"1.5E-2"), Variant::String(u"abc"),
      Variant::String(u""), Variant::String(u"   "), Variant::String(u"1e400"), Variant::String(u"True"),
      Variant::String(u"false"), Variant::String(u"(1,000.5)"), Variant::String(u"$5"),
      Variant::String(u"+3"), Variant::String(u"12abc"), Variant::String(u".5"), Variant::String(u"5."),
      Variant::String(u"0"), Variant::String(u"3000000000"), Variant::String(u"-0.4"),
      Variant::String(u"&H10"), Variant::String(u"&HFFFF"), Variant::String(u"&H80000000"),
      Variant::String(u"&H1FFFFFFFF"), Variant::String(u"&HFFFFFFFFFFFFFFFF"), Variant::String(u"&o17"),
      Variant::String(u" &h1A "), Variant::String(u"&H"), Variant::String(u"&H1.5"),
      Variant::String(u"5-"), Variant::String(u"5 -"), Variant::String(u"5+"), Variant::String(u"-5-"),
      Variant::String(u"(5)-"), Variant::String(u"(5"), Variant::String(u"-$5"), Variant::String(u"$-5"),
      Variant::String(u"- 5"), Variant::String(u"1 000"), Variant::String(u"1D3"), Variant::String(u"\t7"),
      Variant::String(u"1,2,3"), Variant::String(u",5"), Variant::String(u"1.2.3"), Variant::String(u"1e"),
      Variant::String(u"yes"), Variant::String(u" True "), Variant::String(u"1e-400"),
      // Left out: Wine reads "-&H10" as 16 and "&HFFFFFFFF" as an overflow for doubles; we take
      // the first as no number and the second as -1 for every target, as for 32-bit integers.
  };
  for (const Variant& value : values) {
    for (VARTYPE target : {VT_I4, VT_R8, VT_BOOL, VT_BSTR}) {
      Outcome ours = Ours(value, target), platforms = Platforms(value, target);
      EXPECT_EQ(ours, platforms) << "type " << static_cast<int>(value.Type()) << " value "
                                 << Describe(Ours(value, VT_BSTR)) << " to " << target << ": ours "
                                 << Describe(ours) << ", platform's " << Describe(platforms);
    }
  }
}

class Plain final : public AutomationObject {
 public:
  Variant Invoke(std::u16string_view, InvokeKind, std::span<const Variant>, uint32_t) override { return {}; }
  ObjectPtr QueryInterface(const Guid&) override { throw ComError(kENoInterface); }
};

TEST(VariantBridge, EveryTypeSurvivesTheRoundTrip) {
  const std::vector<Variant> values = {
      Variant(), Variant::Null(), Variant::Missing(), Variant::Error(static_cast<int32_t>(0x800A07E7)),
      Variant::Bool(true), Variant::Bool(false), Variant::I2(-32768), Variant::I4(-2147483647 - 1),
      Variant::I8(std::numeric_limits<int64_t>::min()), Variant::R4(0.1f), Variant::R8(-1.25e-300),
      Variant::Currency(-123456789), Variant::Date(45292.75), Variant::String(u""),
      Variant::String(std::u16string(u"a\0b\u65E5", 4)), Variant::Object(nullptr),
      Variant::Integer(VarType::I1, -128), Variant::Integer(VarType::UI1, 255),
      Variant::Integer(VarType::UI2, 65535), Variant::Integer(VarType::UI4, 4294967295LL),
      Variant::Integer(VarType::UI8, -1), Variant::Integer(VarType::Int, -7),
      Variant::Integer(VarType::UInt, 4294967295LL),
      Variant::Array({2, 3}, {Variant::I4(1), Variant::String(u"b"), Variant(), Variant::R8(4),
                              Variant::Array({1}, {Variant::Bool(true)}), Variant::Null()}),
      Variant::Array({0}, {}),
  };
  for (const Variant& value : values) {
    PlatformVariant platform;
    VariantBridge::Default().ToPlatform(value, &platform.v);
    EXPECT_EQ(V_VT(&platform.v) & ~VT_ARRAY, value.IsArray() ? static_cast<VARTYPE>(VT_VARIANT) : static_cast<VARTYPE>(value.Type()));
    EXPECT_EQ(VariantBridge::Default().ToVariant(platform.v), value) << static_cast<int>(value.Type());
  }

  // The omitted argument is the platform's: VT_ERROR with DISP_E_PARAMNOTFOUND.
  PlatformVariant missing;
  VariantBridge::Default().ToPlatform(Variant::Missing(), &missing.v);
  EXPECT_EQ(V_VT(&missing.v), VT_ERROR);
  EXPECT_EQ(V_ERROR(&missing.v), DISP_E_PARAMNOTFOUND);

  // An object crosses as its own IDispatch, in both type forms.
  IDispatch* served = DispatchServer::Serve(std::make_shared<Plain>());
  ObjectPtr object = DispatchObject::Wrap(served);
  served->Release();
  for (const Variant& value : {Variant::Object(object), Variant::Unknown(object)}) {
    PlatformVariant platform;
    VariantBridge::Default().ToPlatform(value, &platform.v);
    EXPECT_EQ(V_UNKNOWN(&platform.v), static_cast<IUnknown*>(served));
    Variant back = VariantBridge::Default().ToVariant(platform.v);
    EXPECT_EQ(back.Type(), value.Type());
    EXPECT_EQ(DispatchObject::RawDispatch(back.ObjectValue()), served);
  }
}

TEST(VariantBridge, ReadsArraysAndReferencesAsExcelHandsThemOver) {
  // Excel's Range.Value of A1:B2: 1-based, rows first, the first index varying fastest.
  SAFEARRAYBOUND bounds[2] = {{2, 1}, {2, 1}};
  PlatformVariant array;
  V_VT(&array.v) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(&array.v) = SafeArrayCreate(VT_VARIANT, 2, bounds);
  const double cells[2][2] = {{11, 12}, {21, 22}};
  for (LONG r = 1; r <= 2; ++r) {
    for (LONG c = 1; c <= 2; ++c) {
      VARIANT cell;
      V_VT(&cell) = VT_R8;
      V_R8(&cell) = cells[r - 1][c - 1];
      LONG index[2] = {r, c};
      ASSERT_EQ(SafeArrayPutElement(V_ARRAY(&array.v), index, &cell), S_OK);
    }
  }
  EXPECT_EQ(VariantBridge::Default().ToVariant(array.v),
            Variant::Array({2, 2}, {Variant::R8(11), Variant::R8(21), Variant::R8(12), Variant::R8(22)}));

  // A typed, zero-based array keeps its element type.
  SAFEARRAYBOUND line = {3, 0};
  PlatformVariant typed;
  V_VT(&typed.v) = VT_ARRAY | VT_BSTR;
  V_ARRAY(&typed.v) = SafeArrayCreate(VT_BSTR, 1, &line);
  for (LONG i = 0; i < 3; ++i) {
    BSTR text = SysAllocString(i == 1 ? L"two" : L"x");
    ASSERT_EQ(SafeArrayPutElement(V_ARRAY(&typed.v), &i, text), S_OK);
    SysFreeString(text);
  }
  EXPECT_EQ(VariantBridge::Default().ToVariant(typed.v),
            Variant::Array({3}, {Variant::String(u"x"), Variant::String(u"two"), Variant::String(u"x")}));

  // By-reference arguments are read through.
  double number = 2.5;
  VARIANT byRef;
  V_VT(&byRef) = VT_R8 | VT_BYREF;
  V_R8REF(&byRef) = &number;
  EXPECT_EQ(VariantBridge::Default().ToVariant(byRef), Variant::R8(2.5));

  VARIANT unsupported;
  V_VT(&unsupported) = VT_RECORD;
  try {
    VariantBridge::Default().ToVariant(unsupported);
    ADD_FAILURE() << "no error";
  } catch (const ComError& e) {
    EXPECT_EQ(e.Error(), DISP_E_BADVARTYPE);
    EXPECT_TRUE(test::IsSystemText(e.ErrorMessage(), u"Bad variable type.", u"Unknown error 0x80020008"));
  }
}

}  // namespace
}  // namespace vk
