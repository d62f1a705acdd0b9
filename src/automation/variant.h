#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vk {

class AutomationObject;
using ObjectPtr = std::shared_ptr<AutomationObject>;

// VARTYPE codes, same values as the platform's VARENUM.
enum class VarType : uint16_t {
  Empty = 0, Null = 1, I2 = 2, I4 = 3, R4 = 4, R8 = 5, Cy = 6, Date = 7, Bstr = 8,
  Dispatch = 9, Error = 10, Bool = 11, Variant = 12, Unknown = 13, I1 = 16, UI1 = 17,
  UI2 = 18, UI4 = 19, I8 = 20, UI8 = 21, Int = 22, UInt = 23, Array = 0x2000,
};

// An automation value that keeps its exact VARTYPE and payload, so that tests can check the
// type Excel answered with as well as the value.
class Variant {
 public:
  Variant() = default;  // VT_EMPTY

  static Variant Null();
  static Variant Error(int32_t scode);
  static Variant Missing();  // omitted optional argument: VT_ERROR, DISP_E_PARAMNOTFOUND
  static Variant Bool(bool value);
  static Variant I2(int16_t value);
  static Variant I4(int32_t value);
  static Variant I8(int64_t value);
  static Variant R4(float value);
  static Variant R8(double value);
  static Variant Currency(int64_t scaled);  // value × 10000, as CY holds it
  static Variant Date(double oaDate);
  static Variant String(std::u16string value);
  static Variant Object(ObjectPtr object);  // VT_DISPATCH; a null pointer is "Nothing"
  static Variant Unknown(ObjectPtr object);  // VT_UNKNOWN
  // Any integer type as the platform handed it over (I1, UI1, UI2, UI4, UI8, Int, UInt, …);
  // UI8 keeps its bit pattern. ComError E_INVALIDARG for a type that holds no integer.
  static Variant Integer(VarType type, int64_t value);
  // A SAFEARRAY of VARIANT: dimension lengths (lower bound 1, as Excel gives them) and the
  // elements with the first index varying fastest.
  static Variant Array(std::vector<uint32_t> dims, std::vector<Variant> elements);

  VarType Type() const noexcept { return type_; }
  bool IsEmpty() const noexcept { return type_ == VarType::Empty; }
  bool IsNull() const noexcept { return type_ == VarType::Null; }
  bool IsError() const noexcept { return type_ == VarType::Error; }
  bool IsMissing() const noexcept;
  bool IsObject() const noexcept { return type_ == VarType::Dispatch || type_ == VarType::Unknown; }
  bool IsString() const noexcept { return type_ == VarType::Bstr; }
  bool IsArray() const noexcept { return type_ == VarType::Array; }

  // Raw payload, for the type that holds it.
  bool BoolValue() const noexcept { return integer_ != 0; }
  int64_t IntegerValue() const noexcept { return integer_; }  // I1..UI8, Int, UInt, Cy (scaled), Error (scode), Bool (-1/0)
  double DoubleValue() const noexcept { return real_; }       // R4, R8, Date
  const std::u16string& StringValue() const noexcept { return text_; }
  const ObjectPtr& ObjectValue() const noexcept { return object_; }
  const std::vector<uint32_t>& ArrayDims() const noexcept { return dims_; }
  const std::vector<Variant>& ArrayElements() const noexcept { return elements_; }

  // Conversions with the platform's VariantChangeType rules; they throw ComError with
  // DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW where it fails.
  int32_t ToInt32() const;  // "converted to a 32-bit integer": reals round half to even
  double ToDouble() const;
  bool ToBool() const;
  std::u16string ToString() const;
  // "Taken as a double and truncated" toward zero.
  int32_t ToInt32Truncated() const;

  friend bool operator==(const Variant& a, const Variant& b);

 private:
  VarType type_ = VarType::Empty;
  int64_t integer_ = 0;
  double real_ = 0;
  std::u16string text_;
  ObjectPtr object_;
  std::vector<uint32_t> dims_;
  std::vector<Variant> elements_;
};

}  // namespace vk
