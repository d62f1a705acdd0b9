#include "settings/option_table.h"

#include "text/real_text.h"

namespace vk {
namespace {

constexpr OptionValueInfo Row(const NumberOption& o) { return {o.name, o.place, OptionType::Number, o.defaultValue, {}}; }
constexpr OptionValueInfo Row(const TextOption& o) { return {o.name, o.place, OptionType::Text, 0, o.defaultValue}; }
constexpr OptionValueInfo Row(const RealOption& o) { return {o.name, o.place, OptionType::Real, 0, o.defaultText}; }
constexpr OptionValueInfo Row(const ListOption& o) { return {o.name, o.place, OptionType::List, 0, o.defaultValue}; }

using namespace options;
constexpr OptionValueInfo kAll[] = {
    Row(kFuncState), Row(kUseGlobalOption), Row(kActivePageIndex), Row(kOptionFileFolder),
    Row(kCurDrawingFolder), Row(kSaveLatestFolder), Row(kLatestFolder), Row(kLogImport), Row(kShowError),
    Row(kSupportWMF), Row(kBorderLayer), Row(kTextLayer), Row(kAutoShapeLayer), Row(kImageLayer),
    Row(kFillLayer), Row(kLineClrOpt), Row(kTextClrOpt), Row(kThinColorIndex), Row(kThickColorIndex),
    Row(kRegularColorIndex), Row(kBoldColorIndex), Row(kFillColorByLayer), Row(kTableObjOpt),
    Row(kBorderObjOpt), Row(kUseFontOpt), Row(kTextObjOpt), Row(kTableHasTitle), Row(kTableHasHeader),
    Row(kApplyTableStyleTextAlign), Row(kImportObj), Row(kCellScaleOpt), Row(kCellScaleIndex),
    Row(kFontScaleOpt), Row(kFontScaleIndex), Row(kCellDrawingUnits), Row(kCellExcelPoints),
    Row(kFontDrawingUnits), Row(kFontExcelPoints), Row(kDefineCellWidthsHeights), Row(kDefineFontSizes),
    Row(kFontSizes), Row(kColumnWidths), Row(kRowHeights), Row(kRotationDegree), Row(kPicturesFolder),
    Row(kLinkPathType), Row(kInsertionPointType), Row(kHasShiftChar), Row(kShiftChar), Row(kShiftPoints),
    Row(kOnlyPrintArea), Row(kUseRangeName), Row(kEmbedWorkbook), Row(kLineSpacing),
};

}  // namespace

std::span<const OptionValueInfo> AllOptionValues() { return kAll; }

std::u16string_view ReadKeyFor(OptionPlace place, std::u16string_view optionKey) {
  return place == OptionPlace::Option ? optionKey : std::u16string_view(kProductKey);
}

std::u16string_view WriteKeyFor(OptionPlace place, std::u16string_view optionKey) {
  return place == OptionPlace::Product ? std::u16string_view(kProductKey) : optionKey;
}

int32_t ReadOption(const NumberOption& option, std::u16string_view optionKey) {
  return CRegistry::GetNumber(ReadKeyFor(option.place, optionKey), option.name, option.defaultValue);
}

int32_t ReadOption(const NumberOption& option, std::u16string_view optionKey, int32_t fallback) {
  return CRegistry::GetNumber(ReadKeyFor(option.place, optionKey), option.name, fallback);
}

bool WriteOption(const NumberOption& option, std::u16string_view optionKey, int32_t value) {
  return CRegistry::SetNumber(WriteKeyFor(option.place, optionKey), option.name, value);
}

std::u16string ReadOption(const TextOption& option, std::u16string_view optionKey) {
  return CRegistry::GetText(ReadKeyFor(option.place, optionKey), option.name, option.defaultValue);
}

bool WriteOption(const TextOption& option, std::u16string_view optionKey, std::u16string_view value) {
  return CRegistry::SetText(WriteKeyFor(option.place, optionKey), option.name, value);
}

double ReadOption(const RealOption& option, std::u16string_view optionKey) {
  return ParseReal(ReadOptionText(option, optionKey));
}

std::u16string ReadOptionText(const RealOption& option, std::u16string_view optionKey) {
  return CRegistry::GetText(ReadKeyFor(option.place, optionKey), option.name, option.defaultText);
}

bool WriteOption(const RealOption& option, std::u16string_view optionKey, double value) {
  return WriteOptionText(option, optionKey, FormatReal(value));
}

bool WriteOptionText(const RealOption& option, std::u16string_view optionKey, std::u16string_view text) {
  return CRegistry::SetText(WriteKeyFor(option.place, optionKey), option.name, text);
}

std::u16string ReadOption(const ListOption& option, std::u16string_view optionKey) {
  return CRegistry::GetText(ReadKeyFor(option.place, optionKey), option.name, option.defaultValue);
}

bool WriteOption(const ListOption& option, std::u16string_view optionKey, std::u16string_view value) {
  return CRegistry::SetText(WriteKeyFor(option.place, optionKey), option.name, value);
}

}  // namespace vk
