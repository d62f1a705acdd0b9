#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "resource_ids/object_page_ids.h"
#include "settings/registry.h"

namespace vk {

// Where a value lives. Option values exist twice (the global set under the product key and the
// current set under CurrentOptions); the caller passes the option key in force. Product values
// exist once and ignore the key passed. InsertionPointType is read from the product key but
// written to the option key, which is what the CAD side has always seen.
enum class OptionPlace { Product, Option, ReadProductWriteOption };

// number: REG_DWORD; text: REG_SZ; real: REG_SZ holding a "%g" number; list: REG_SZ with ";"
// between the entries.
enum class OptionType { Number, Text, Real, List };

struct NumberOption {
  std::u16string_view name;
  OptionPlace place;
  int32_t defaultValue;
};
struct TextOption {
  std::u16string_view name;
  OptionPlace place;
  std::u16string_view defaultValue;
};
struct RealOption {
  std::u16string_view name;
  OptionPlace place;
  std::u16string_view defaultText;  // the default as stored text; it reads like any stored value
};
struct ListOption {
  std::u16string_view name;
  OptionPlace place;
  std::u16string_view defaultValue;
};

// Every named value of the settings store. Readers and writers take names and defaults from here.
namespace options {
inline constexpr OptionPlace kP = OptionPlace::Product;
inline constexpr OptionPlace kO = OptionPlace::Option;

// Application values (product key).
inline constexpr NumberOption kFuncState{u"FuncState", kP, 0};                // written by the CAD side
inline constexpr NumberOption kUseGlobalOption{u"UseGlobalOption", kP, 0};    // written by the CAD side
inline constexpr NumberOption kActivePageIndex{u"ActivePageIndex", kP, 0};
inline constexpr TextOption kOptionFileFolder{u"OptionFileFolder", kP, u""};
inline constexpr TextOption kCurDrawingFolder{u"CurDrawingFolder", kP, u""};  // written by the CAD side
inline constexpr NumberOption kSaveLatestFolder{u"SaveLatestFolder", kP, 1};
inline constexpr TextOption kLatestFolder{u"LatestFolder", kP, u""};
inline constexpr NumberOption kLogImport{u"LogImport", kP, 0};
inline constexpr NumberOption kShowError{u"ShowError", kP, 1};
inline constexpr NumberOption kSupportWMF{u"SupportWMF", kP, 1};

// Layer & Color page.
inline constexpr TextOption kBorderLayer{u"BorderLayer", kO, u""};
inline constexpr TextOption kTextLayer{u"TextLayer", kO, u""};
inline constexpr TextOption kAutoShapeLayer{u"AutoShapeLayer", kO, u""};
inline constexpr TextOption kImageLayer{u"ImageLayer", kO, u""};
inline constexpr TextOption kFillLayer{u"FillLayer", kO, u""};
inline constexpr NumberOption kLineClrOpt{u"LineClrOpt", kO, 1};
inline constexpr NumberOption kTextClrOpt{u"TextClrOpt", kO, 1};
inline constexpr NumberOption kThinColorIndex{u"ThinColorIndex", kO, 0};
inline constexpr NumberOption kThickColorIndex{u"ThickColorIndex", kO, 0};
inline constexpr NumberOption kRegularColorIndex{u"RegularColorIndex", kO, 0};
inline constexpr NumberOption kBoldColorIndex{u"BoldColorIndex", kO, 0};
inline constexpr NumberOption kFillColorByLayer{u"FillColorByLayer", kO, 0};

// Object & Font Map page. The table pass reads TableObjOpt from the product key whatever the
// option key in force: it passes kProductKey.
inline constexpr NumberOption kTableObjOpt{u"TableObjOpt", kO, 0};
inline constexpr NumberOption kBorderObjOpt{u"BorderObjOpt", kO, 0};
inline constexpr NumberOption kUseFontOpt{u"UseFontOpt", kO, 1};
inline constexpr NumberOption kTextObjOpt{u"TextObjOpt", kO, 0};
inline constexpr NumberOption kTableHasTitle{u"TableHasTitle", kO, 1};
inline constexpr NumberOption kTableHasHeader{u"TableHasHeader", kO, 1};
inline constexpr NumberOption kApplyTableStyleTextAlign{u"ApplyTableStyleTextAlign", kO, 0};
inline constexpr NumberOption kImportObj{u"ImportObj", kO, 127};

// Scale page and its two dialogs.
inline constexpr NumberOption kCellScaleOpt{u"CellScaleOpt", kO, 1};
inline constexpr NumberOption kCellScaleIndex{u"CellScaleIndex", kO, 0};
inline constexpr NumberOption kFontScaleOpt{u"FontScaleOpt", kO, 0};
inline constexpr NumberOption kFontScaleIndex{u"FontScaleIndex", kO, 0};
inline constexpr RealOption kCellDrawingUnits{u"CellDrawingUnits", kO, u"1"};
inline constexpr RealOption kCellExcelPoints{u"CellExcelPoints", kO, u"72"};
inline constexpr RealOption kFontDrawingUnits{u"FontDrawingUnits", kO, u"1"};
inline constexpr RealOption kFontExcelPoints{u"FontExcelPoints", kO, u"72"};
inline constexpr NumberOption kDefineCellWidthsHeights{u"DefineCellWidthsHeights", kO, 0};
inline constexpr NumberOption kDefineFontSizes{u"DefineFontSizes", kO, 0};
inline constexpr ListOption kFontSizes{u"FontSizes", kO, u""};
inline constexpr ListOption kColumnWidths{u"ColumnWidths", kO, u""};
inline constexpr ListOption kRowHeights{u"RowHeights", kO, u""};

// Other page.
inline constexpr RealOption kRotationDegree{u"RotationDegree", kO, u"0"};
inline constexpr TextOption kPicturesFolder{u"PicturesFolder", kP, u""};
inline constexpr NumberOption kLinkPathType{u"LinkPathType", kP, 0};
inline constexpr NumberOption kInsertionPointType{u"InsertionPointType", OptionPlace::ReadProductWriteOption, 0};
inline constexpr NumberOption kHasShiftChar{u"HasShiftChar", kP, 0};
inline constexpr TextOption kShiftChar{u"ShiftChar", kP, u"gjqpy"};
inline constexpr RealOption kShiftPoints{u"ShiftPoints", kP, u"0"};
inline constexpr NumberOption kOnlyPrintArea{u"OnlyPrintArea", kO, 0};
inline constexpr NumberOption kUseRangeName{u"UseRangeName", kO, 0};
inline constexpr NumberOption kEmbedWorkbook{u"EmbedWorkbook", kP, 0};
inline constexpr RealOption kLineSpacing{u"LineSpacing", kO, u"-1.16"};
}  // namespace options

// One row of the whole table, for code that walks every value (defaults, round trips).
struct OptionValueInfo {
  std::u16string_view name;
  OptionPlace place;
  OptionType type;
  int32_t numberDefault;            // number values
  std::u16string_view textDefault;  // text, real and list values
};
std::span<const OptionValueInfo> AllOptionValues();

// The key a value is read from and written to, given the option key in force.
std::u16string_view ReadKeyFor(OptionPlace place, std::u16string_view optionKey);
std::u16string_view WriteKeyFor(OptionPlace place, std::u16string_view optionKey);

// Typed access through CRegistry. optionKey matters only for option values; product values may
// leave it out.
int32_t ReadOption(const NumberOption& option, std::u16string_view optionKey = kProductKey);
// The stored value, or fallback where none is stored (a value kept from an earlier read).
int32_t ReadOption(const NumberOption& option, std::u16string_view optionKey, int32_t fallback);
bool WriteOption(const NumberOption& option, std::u16string_view optionKey, int32_t value);
inline bool WriteOption(const NumberOption& option, int32_t value) { return WriteOption(option, kProductKey, value); }

std::u16string ReadOption(const TextOption& option, std::u16string_view optionKey = kProductKey);
bool WriteOption(const TextOption& option, std::u16string_view optionKey, std::u16string_view value);

// A real as its number ("%g" text read back), or as the stored text itself for pages that show
// or reinterpret the text (LineSpacing keeps its sign in the text).
double ReadOption(const RealOption& option, std::u16string_view optionKey = kProductKey);
std::u16string ReadOptionText(const RealOption& option, std::u16string_view optionKey = kProductKey);
bool WriteOption(const RealOption& option, std::u16string_view optionKey, double value);
bool WriteOptionText(const RealOption& option, std::u16string_view optionKey, std::u16string_view text);

std::u16string ReadOption(const ListOption& option, std::u16string_view optionKey);
bool WriteOption(const ListOption& option, std::u16string_view optionKey, std::u16string_view value);

// The ImportObj mask: which object kinds an import sends. The check box of each bit on the
// Object & Font Map page has the control id given; Mask Text has a control the page never shows.
enum ImportObjBits : int32_t {
  kImportBorder = 0x1,
  kImportText = 0x2,
  kImportPattern = 0x4,
  kImportShading = 0x8,
  kImportAutoShape = 0x10,  // the import runs its shapes pass only with this bit
  kImportPicture = 0x20,
  kImportChart = 0x40,
  kImportMaskText = 0x80,
  kImportFormControl = 0x100,
  kImportWhiteBorder = 0x200,
  kImportWhiteShading = 0x400,
};

struct ImportObjBit {
  int32_t value;
  std::u16string_view caption;
  int controlId;
};
inline constexpr ImportObjBit kImportObjBitTable[] = {
    {kImportBorder, u"Border", IDC_OBJECT_BORDER},
    {kImportText, u"Text", IDC_OBJECT_TEXT},
    {kImportPattern, u"Pattern", IDC_OBJECT_PATTERN},
    {kImportShading, u"Shading", IDC_OBJECT_SHADING},
    {kImportAutoShape, u"AutoShape", IDC_OBJECT_AUTOSHAPE},
    {kImportPicture, u"Picture", IDC_OBJECT_PICTURE},
    {kImportChart, u"Chart", IDC_OBJECT_CHART},
    {kImportMaskText, u"Mask Text", IDC_OBJECT_MASK_TEXT},
    {kImportFormControl, u"Form Control", IDC_OBJECT_FORM_CONTROL},
    {kImportWhiteBorder, u"White Border", IDC_OBJECT_WHITE_BORDER},
    {kImportWhiteShading, u"White Shading", IDC_OBJECT_WHITE_SHADING},
};

}  // namespace vk
