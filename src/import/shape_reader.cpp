#include "import/shape_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/chart.h"
#include "excel/excel_constants.h"
#include "excel/text_frame.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "import/paragraph_text.h"
#include "import/picture_export.h"
#include "import/shape_kind.h"
#include "import/uti_func.h"
#include "settings/option_table.h"
#include "ui/shell.h"
#include "text/text_format.h"
#include "text/utf8_text.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"shapes_pass.cpp";
constexpr int32_t kArrowheadNone = 1;
constexpr int32_t kArrowheadMedium = 2;
constexpr int32_t kListBoxSent = 13;  // list boxes travel as 13, not Excel's 6

// A picture's path must fit the record whole: a cut path would name another file, so a shape
// whose path is longer than the field holds is left out, before anything is written.
constexpr size_t kPathCapacity = sizeof(ShapeRecord::picturePath) / sizeof(char16_t) - 1;
constexpr size_t kLongestPictureExtension = 4;  // ".jpg", ".png", ".gif", added when saved

bool IsZero(double value) { return CUtiFunc::DoubleEqual(value, 0) != 0; }

// A font property of one character: Excel answers a value; anything else reads as 0.
int32_t IntOrZero(const Variant& value) { return IsDefined(value) ? value.ToInt32() : 0; }

void RemoveAll(std::u16string& text, std::u16string_view part) {
  for (size_t at = text.find(part); at != std::u16string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

}  // namespace

ShapeReader::ShapeReader(const ShapesPassContext& context, const AreaGeometry& area, std::u16string sheetName)
    : context_(context), area_(area), sheetName_(std::move(sheetName)) {}

void ShapeReader::Mark(int32_t step) { context_.session.Mark(step, kTag); }

ShapeRecord& ShapeReader::ClearRecord() {
  std::memset(&record_, 0, sizeof record_);
  record_.size = kShapeRecordSize;
  return record_;
}

void ShapeReader::ReadTypeFields(const excel::Shape& shape, Owner owner) {
  const bool marked = owner == Owner::Sheet;
  if (marked) Mark(1185);
  record_.autoShapeType = shape.AutoShapeType();
  if (marked) Mark(1188);
  record_.shapeType = shape.Type();
  if (marked) Mark(1191);
  record_.isConnector = shape.Connector();
  if (marked) Mark(1194);
}

void ShapeReader::ReadShape(const excel::Shape& shape, int32_t index, int32_t count) {
  Mark(1702);
  // Excel's Single values widen exactly; the subtraction is done in double.
  record_.left = shape.Left() - area_.left;
  record_.top = shape.Top() - area_.top;
  record_.width = shape.Width();
  record_.height = shape.Height();
  // The receiver counts counter-clockwise; a shape without rotation reads 0, not -0.
  record_.rotation = 0.0 - shape.Rotation();
  if (shape.Visible() == 0 || Filtered()) return;

  ShapeKind kind = KindOf(record_.shapeType, record_.autoShapeType, record_.isConnector);
  if (kind == ShapeKind::Other) {
    SendOtherKind(shape, index);
    return;
  }

  Mark(1757);
  const uint32_t importObj = context_.importObj;
  switch (kind) {
    case ShapeKind::Picture:
      if (record_.autoShapeType == kMsoShapeMixed && (importObj & kImportPicture) == 0) return;
      break;
    case ShapeKind::Chart:
      if ((importObj & kImportChart) == 0) return;
      break;
    case ShapeKind::Group:
      ReadGroup(shape, count);
      return;
    case ShapeKind::ActiveXControl:
      if ((importObj & kImportFormControl) == 0 || !ReadActiveXCheckBox(shape)) return;
      break;
    case ShapeKind::FormControl:
      if ((importObj & kImportFormControl) == 0) return;
      ReadFormControl(shape);
      break;
    case ShapeKind::FlowchartConnector:
      record_.autoShapeType = kMsoShapeOval;  // the receiver draws it as the ellipse it is
      break;
    default:
      break;
  }

  Mark(1922);
  record_.horizontalFlip = shape.HorizontalFlip();
  record_.verticalFlip = shape.VerticalFlip();
  Mark(1926);
  const excel::LineFormat line = shape.Line();
  const excel::FillFormat fill = shape.Fill();

  // From here the kind is what the record says, after the changes above.
  kind = KindOf(record_.shapeType, record_.autoShapeType, record_.isConnector);
  ReadKindData(shape, kind, line);
  if ((kind == ShapeKind::Picture || kind == ShapeKind::Chart) && !ReadPicture(shape, index)) return;

  ReadOutlineAndFill(line, fill);
  if (IsTextKind(kind, record_.controlType) && !ReadText(shape)) return;
  Send();
}

// A hidden shape, one without size, one lying exactly on a shape already sent, and for an
// import clipped to its area one whose far corner lies outside the area are not sent.
bool ShapeReader::Filtered() {
  if (IsZero(record_.width) && IsZero(record_.height)) return true;
  const CShapeGeoExt extent{record_.left, record_.top, record_.width, record_.height, 0, 0};
  if (extents_.Find(extent) >= 0) return true;
  if (context_.clipToArea) {
    const double right = record_.left + record_.width;
    const double bottom = record_.top + record_.height;
    if (!(0 <= right && right <= area_.width && 0 <= bottom && bottom <= area_.height)) return true;
  }
  return false;
}

// A kind the receiver does not draw by name travels as a metafile picture when the CAD side can
// take one; a flat one as a plain line.
void ShapeReader::SendOtherKind(const excel::Shape& shape, int32_t index) {
  if (!context_.session.SupportsWmf()) {
    Send();
    return;
  }
  if (IsZero(record_.width) || IsZero(record_.height)) {
    record_.shapeType = kMsoLine;
    record_.autoShapeType = kMsoShapeMixed;
    record_.beginArrowheadStyle = kArrowheadNone;
    record_.endArrowheadStyle = kArrowheadNone;
    record_.beginArrowheadLength = kArrowheadMedium;
    record_.beginArrowheadWidth = kArrowheadMedium;
    record_.endArrowheadLength = kArrowheadMedium;
    record_.endArrowheadWidth = kArrowheadMedium;
    Send();
    return;
  }
  shape.Copy();
  Mark(2337);
  const std::u16string name = MakePictureName(index, context_.workbookFolder, context_.workbookName, sheetName_,
                                              record_.shapeType);
  Mark(2341);
  if (name.empty() || name.size() > kPathCapacity) return;
  Mark(2348);
  if (!SaveClipboardMetafile(name)) return;
  Mark(2354);
  SetField(record_.picturePath, name);
  Send();
}

// Members are read as shapes of their own, depth first; the group sends nothing itself.
void ShapeReader::ReadGroup(const excel::Shape& group, int32_t count) {
  const excel::GroupShapes items = group.GroupItems();
  const int32_t m = items.Count();
  for (int32_t k = 1; k <= m; ++k) {
    const excel::Shape item = items.Item(k);
    ClearRecord();
    ReadTypeFields(item, Owner::Group);
    ReadShape(item, MemberIndex(count + k), count + m);
  }
}

// A member's index names its picture files. Members of two groups of one sheet would get the
// same index (the group's count plus the member's place) and overwrite each other's files, so a
// member whose index is taken already gets the next one above every index handed out.
int32_t ShapeReader::MemberIndex(int32_t wanted) {
  int32_t index = wanted;
  if (memberIndexes_.count(index) != 0) index = *memberIndexes_.rbegin() + 1;
  memberIndexes_.insert(index);
  return index;
}

// Only check boxes among the ActiveX controls are imported; whatever fails here drops the shape.
bool ShapeReader::ReadActiveXCheckBox(const excel::Shape& shape) {
  try {
    const ObjectPtr ole = shape.OLEFormat().OleObject();
    if (!ole) return false;
    const Variant controlValue = ole->Get(u"Object");
    if (!controlValue.IsObject() || !controlValue.ObjectValue()) return false;
    const ObjectPtr control = controlValue.ObjectValue();
    if (!SameTextIgnoringCase(control->TypeInfoName(), u"IMdcCheckBox")) return false;
    const Variant value = control->Get(u"Value");
    if (value.Type() == VarType::Bool) record_.controlValue = value.ToBool() ? 1 : 0;
    record_.controlType = 1;
    return true;
  } catch (...) {
    return false;
  }
}

void ShapeReader::ReadFormControl(const excel::Shape& shape) {
  record_.controlType = shape.FormControlType();
  const excel::ControlFormat control = shape.ControlFormat();
  switch (record_.controlType) {
    case 1:  // check box
    case 7:  // option button
    case 8:  // scroll bar
      record_.controlValue = control.Value();
      break;
    default:
      break;
  }
  if (record_.controlType == 2) {
    // The entry a drop-down shows; a list that cannot be read leaves the text empty.
    try {
      const int32_t index = control.ListIndex();
      if (index > 0) {
        std::u16string address = control.ListFillRange();
        RemoveAll(address, u"popdowns!");
        const excel::Range cell = context_.session.App().Range(address).Item(Variant::I4(index), Variant::I4(1));
        SetField(record_.text, cell.Text());
      }
    } catch (...) {
    }
  }
  if (record_.controlType == 8) {
    record_.controlMax = control.Max();
    record_.controlMin = control.Min();
  }
  if (record_.controlType == 6) record_.controlType = kListBoxSent;
}

void ShapeReader::ReadKindData(const excel::Shape& shape, ShapeKind kind, const excel::LineFormat& line) {
  switch (kind) {
    case ShapeKind::Line:
      ReadArrowheads(line);
      break;
    case ShapeKind::RoundedRectangle:
      Mark(1949);
      record_.adjustment1 = shape.Adjustments().Item(1);
      break;
    case ShapeKind::Connector:
      Mark(1954);
      ReadArrowheads(line);
      Mark(1968);
      Mark(1971);
      record_.connectorType = shape.ConnectorFormat().Type();
      Mark(1973);
      if (record_.connectorType == 2 || record_.connectorType == 3) {  // elbow, curved
        Mark(1978);
        record_.adjustment1 = shape.Adjustments().Item(1);
      }
      break;
    case ShapeKind::BlockArrow: {
      Mark(1988);
      const excel::Adjustments adjustments = shape.Adjustments();
      record_.adjustment1 = adjustments.Item(1);
      record_.adjustment2 = adjustments.Item(2);
      break;
    }
    case ShapeKind::Polygon: {
      Mark(1998);
      const excel::Adjustments adjustments = shape.Adjustments();
      if (adjustments.Count() >= 1) record_.adjustment1 = adjustments.Item(1);
      break;
    }
    default:
      break;
  }
}

void ShapeReader::ReadArrowheads(const excel::LineFormat& line) {
  Mark(1931);
  record_.beginArrowheadStyle = line.BeginArrowheadStyle();
  Mark(1933);
  record_.beginArrowheadWidth = line.BeginArrowheadWidth();
  Mark(1935);
  record_.beginArrowheadLength = line.BeginArrowheadLength();
  Mark(1937);
  record_.endArrowheadStyle = line.EndArrowheadStyle();
  Mark(1940);
  record_.endArrowheadWidth = line.EndArrowheadWidth();
  Mark(1942);
  record_.endArrowheadLength = line.EndArrowheadLength();
}

// Pictures go through the clipboard, charts are exported by Excel; false drops the shape.
bool ShapeReader::ReadPicture(const excel::Shape& shape, int32_t index) {
  std::u16string name =
      MakePictureName(index, context_.workbookFolder, context_.workbookName, sheetName_, record_.shapeType);
  const size_t added = record_.shapeType == kMsoPicture ? kLongestPictureExtension : 0;
  if (name.empty() || name.size() + added > kPathCapacity) return false;
  Mark(2019);
  std::printf("Prepare to save the pricture %s.\n", ToUtf8(name).c_str());
  std::fflush(stdout);
  // A file that is there already belongs to an earlier import and is not ours to delete.
  std::vector<std::u16string> existing;
  for (const char16_t* extension : {u"", u".jpg", u".png", u".gif"}) {
    if (Shell::Current().FileExists(name + extension)) existing.push_back(name + extension);
  }
  if (record_.shapeType == kMsoPicture) {
    shape.Copy();
    std::u16string written = SaveCopiedPicture(name);
    // A picture none of whose attempts wrote a file is left out: its name has no extension and
    // names no file, and a record pointing at nothing would only fail on the CAD side.
    if (written.empty()) return false;
    name = std::move(written);
  } else {
    excel::Chart(shape.Chart()).Export(name, u"BMP");  // its result is not looked at
  }
  if (std::find(existing.begin(), existing.end(), name) == existing.end()) unsentFile_ = name;
  SetField(record_.picturePath, name);
  return true;
}

void ShapeReader::ReadOutlineAndFill(const excel::LineFormat& line, const excel::FillFormat& fill) {
  Mark(2096);
  record_.lineWeight = line.Weight();
  record_.lineTransparency = line.Transparency();
  record_.lineDashStyle = line.DashStyle();
  record_.lineVisible = line.Visible();
  Mark(2102);
  record_.lineColor = line.ForeColor().RGB();
  Mark(2106);
  record_.fillTransparency = fill.Transparency();
  record_.fillVisible = fill.Visible();
  record_.fillColor = fill.ForeColor().RGB();
  Mark(2112);
}

// The text and the font of its first character; false when a text kind without area is to be
// left out.
bool ShapeReader::ReadText(const excel::Shape& shape) {
  if (IsZero(record_.width) || IsZero(record_.height)) return false;
  const excel::TextFrame frame = shape.TextFrame();
  if (!frame) return true;
  const excel::Characters characters = frame.Characters();
  if (characters) {
    Mark(2136);
    const std::u16string text = characters.Text();
    if (!text.empty()) {
      SetField(record_.text, text);
      Mark(2143);
      const excel::Characters first = frame.Characters(Variant::I4(1), Variant::I4(1));
      Mark(2147);
      const excel::Font font = first.Font();
      Mark(2151);
      record_.bold = IntOrZero(font.Bold()) != 0 ? 1 : 0;
      record_.italic = IntOrZero(font.Italic()) != 0 ? 1 : 0;
      record_.underline = IntOrZero(font.Underline());
      const Variant size = font.Size();
      record_.fontSize = IsDefined(size) ? size.ToDouble() : 0;
      record_.fontColor = IntOrZero(font.Color());
      const Variant fontName = font.Name();
      SetField(record_.fontName, IsDefined(fontName) ? fontName.ToString() : std::u16string());
      Mark(2159);
      if (record_.shapeType != kMsoFormControl) {
        // Some frames cannot answer these; each falls back on its own.
        try {
          record_.horizontalAlignment = frame.HorizontalAlignment();
        } catch (...) {
          record_.horizontalAlignment = excel::kXlLeft;
        }
        try {
          record_.verticalAlignment = frame.VerticalAlignment();
        } catch (...) {
          record_.verticalAlignment = excel::kXlTop;
        }
        try {
          record_.controlValue = frame.Orientation();
        } catch (...) {
          record_.controlValue = excel::kMsoTextOrientationHorizontal;
        }
      }
    }
  }
  if (WantsParagraphText(FieldText(record_.text))) BuildParagraphText(record_, shape);
  return true;
}

void ShapeReader::DiscardUnsentFile() noexcept {
  if (unsentFile_.empty()) return;
  try {
    Shell::Current().RemoveFile(unsentFile_);
  } catch (...) {
  }
  unsentFile_.clear();
}

void ShapeReader::Send() {
  unsentFile_.clear();
  Mark(2361);
  extents_.Add(CShapeGeoExt{record_.left, record_.top, record_.width, record_.height, 0, 0});
  context_.session.SendRecord(&record_, kShapeRecordSize);
}

}  // namespace vk
