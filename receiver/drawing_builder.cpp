#include "drawing_builder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <fstream>
#include <numbers>
#include <unordered_map>

#include "import/a1_address.h"
#include "link/cell_record.h"
#include "link/shape_record.h"
#include "settings/default_colour_table.h"
#include "text/utf8_text.h"

namespace vk::draw {

namespace {

// Coordinates beyond this many points (about 3.5 km) are not a sheet's: the record is refused.
constexpr double kMaxPoints = 1e7;
// Tables larger than Excel's sheet cannot be announced truthfully.
constexpr int64_t kMaxCells = int64_t{1048576} * 16384;
constexpr double kMarginPoints = 2;   // text inset from the cell's edges, points
constexpr double kTableGapPoints = 20; // between the tables of a multi-area import
constexpr int kXlAutomatic = -4105;
// A CAD text height is the height of the capitals; an Excel font size is the whole em.
constexpr double kCapitalsPerEm = 0.7;

bool Finite(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxPoints; }

template <size_t N>
bool Terminated(const char16_t (&field)[N]) {
  return std::find(field, field + N, u'\0') != field + N;
}

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", v);
  return buffer;
}

Point Rotate(Point p, Point centre, double degrees) {
  if (degrees == 0) return p;
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  const double dx = p.x - centre.x, dy = p.y - centre.y;
  return Point{centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

int WeightRank(int32_t weight) {
  switch (weight) {
    case 1: return 1;      // hairline
    case 2: return 2;      // thin
    case -4138: return 3;  // medium
    case 4: return 4;      // thick
    default: return 2;
  }
}

int Lineweight(int32_t weight) {
  switch (WeightRank(weight)) {
    case 1: return 9;
    case 3: return 35;
    case 4: return 70;
    default: return 18;
  }
}

const char* Linetype(int32_t lineStyle) {
  switch (lineStyle) {
    case -4115: return "DASHED";
    case -4118: return "DOT";
    case 4:
    case 13: return "DASHDOT";
    case 5: return "DIVIDE";
    default: return "CONTINUOUS";
  }
}

bool Visible(int32_t lineStyle) { return lineStyle != kXlNone && lineStyle != 0; }

bool IsWhite(int32_t rgb) { return (rgb & 0xFFFFFF) == 0xFFFFFF && rgb >= 0; }

// The run list of a cell: "name|size|bN|iN|uN|sN|last" joined by ":".
struct Run {
  std::u16string name;
  int size = 0;
  bool bold = false, italic = false, underline = false;
  int script = 0;
  size_t last = 0;
};

bool ParseRuns(std::u16string_view text, size_t length, std::vector<Run>* runs) {
  size_t start = 0;
  size_t previousEnd = 0;
  while (start < text.size()) {
    size_t end = text.find(u':', start);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view piece = text.substr(start, end - start);
    std::vector<std::u16string_view> parts;
    size_t p = 0;
    while (true) {
      const size_t bar = piece.find(u'|', p);
      parts.push_back(piece.substr(p, bar == std::u16string_view::npos ? std::u16string_view::npos : bar - p));
      if (bar == std::u16string_view::npos) break;
      p = bar + 1;
    }
    if (parts.size() != 7) return false;
    auto number = [](std::u16string_view s, size_t skip, long* out) {
      if (s.size() <= skip || s.size() > skip + 9) return false;
      long v = 0;
      for (size_t i = skip; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') return false;
        v = v * 10 + (s[i] - u'0');
      }
      *out = v;
      return true;
    };
    long size, b, i, u, sc, last;
    if (!number(parts[1], 0, &size) || !number(parts[2], 1, &b) || !number(parts[3], 1, &i) ||
        !number(parts[4], 1, &u) || !number(parts[5], 1, &sc) || !number(parts[6], 0, &last))
      return false;
    if (static_cast<size_t>(last) >= length || (!runs->empty() && static_cast<size_t>(last) < previousEnd)) return false;
    runs->push_back(Run{std::u16string(parts[0]), static_cast<int>(size), b != 0, i != 0, u != 0,
                        static_cast<int>(sc), static_cast<size_t>(last)});
    previousEnd = static_cast<size_t>(last) + 1;
    start = end + 1;
  }
  return true;
}

std::u16string Unescape(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() &&
        (text[i + 1] == u'\\' || text[i + 1] == u'{' || text[i + 1] == u'}'))
      ++i;
    out.push_back(text[i]);
  }
  return out;
}

std::u16string EscapeMText(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'\\' || c == u'{' || c == u'}') out.push_back(u'\\');
    out.push_back(c);
  }
  return out;
}

// Line breaks of escaped text become MText paragraph breaks.
std::string MTextPiece(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'\r') continue;
    if (c == u'\n') out += u"\\P";
    else out.push_back(c);
  }
  return ToUtf8(out);
}

// Excel's horizontal and vertical alignment as an MText attachment point (1 top left .. 9
// bottom right): column 0 left, 1 centre, 2 right; row 0 top, 1 middle, 2 bottom.
int Column(int32_t horizontal) {
  switch (horizontal) {
    case -4108: case 7: case -4117: return 1;  // centre, centre across selection, distributed
    case -4152: return 2;
    default: return 0;                          // general, left, fill, justify
  }
}
int Row(int32_t vertical) {
  switch (vertical) {
    case -4160: return 0;
    case -4108: case -4130: case -4117: return 1;
    default: return 2;                           // bottom, Excel's default
  }
}

double Orientation(int32_t orientation) {
  switch (orientation) {
    case -4171: return 90;   // upward
    case -4170: return -90;  // downward
    case -4128: case -4166: return 0;
    default: return orientation >= -90 && orientation <= 90 ? orientation : 0;
  }
}

std::array<int, 2> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) || std::memcmp(header + 1, "PNG", 3) != 0) return {0, 0};
  auto be = [&](int at) { return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3]; };
  return {be(16), be(20)};
}

std::u16string FileName(std::u16string_view path) {
  const size_t slash = path.find_last_of(u"\\/");
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

char16_t Fold(char16_t c) {
  if (c == u'/') return u'\\';
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

Colour ConvertColour(int32_t rgb) {
  if (rgb < 0 || rgb > 0xFFFFFF || rgb == kXlAutomatic) rgb = 0;
  if (rgb == 0) return Colour{7, -1};
  const std::vector<ColourEntry>& table = DefaultColourTable();
  const int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
  int best = 1;
  long bestDistance = -1;
  for (int aci = 1; aci <= 255; ++aci) {
    if (aci == 7) continue;  // shown black or white with the background: not a colour of its own
    const uint32_t c = table[static_cast<size_t>(aci - 1)].colour;
    const long dr = r - static_cast<long>(c & 0xFF), dg = g - static_cast<long>((c >> 8) & 0xFF),
               db = b - static_cast<long>((c >> 16) & 0xFF);
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = aci;
      bestDistance = distance;
    }
  }
  return Colour{best, bestDistance == 0 ? -1 : (r << 16) | (g << 8) | b};
}

int LineweightFromPoints(double points) {
  static constexpr int kWeights[] = {0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  const double hundredths = std::isfinite(points) && points > 0 ? points * 25.4 / 72 * 100 : 0;
  int best = 0;
  for (int w : kWeights)
    if (std::fabs(w - hundredths) < std::fabs(best - hundredths)) best = w;
  return best;
}

// What the layout keeps of a cell record.
struct CellData {
  size_t row = 0, column = 0;
  double width = 0, height = 0;
  double fontSize = 0;
  int32_t orientation = 0, horizontal = 1, vertical = -4107;
  int32_t fillColor = 0, fillPattern = kXlNone, underline = kXlNone, fontColor = 0;
  bool wrap = false, bold = false, italic = false, strike = false;
  EdgeStyle edges[4] = {};  // left, top, right, bottom
  DiagonalStyle down{}, up{};
  size_t rowSpan = 1, columnSpan = 1;  // of the merge area, for its top left cell
  bool mergeTopLeft = true;
  bool edgeInside[4] = {};  // the edge lies inside a merge area
  std::u16string text, runs, fontName;
};

struct DrawingBuilder::Table {
  int64_t rows = 0, columns = 0;
  size_t received = 0;
  std::vector<CellData> cells;
  std::vector<ShapeRecord> shapes;
};

DrawingBuilder::DrawingBuilder(DrawingOptions options, Log log) : options_(std::move(options)), log_(std::move(log)) {}
DrawingBuilder::~DrawingBuilder() = default;

void DrawingBuilder::Warn(const std::string& text) {
  if (log_) log_("message " + std::to_string(messages_) + ": " + text);
}

bool DrawingBuilder::Empty() const { return tables_.empty() && drawing_.Count() == 0; }

void DrawingBuilder::TableStart(int64_t rows, int64_t columns) {
  ++messages_;
  if (rows <= 0 || columns <= 0 || rows > kMaxCells / columns) {
    Warn("table of " + std::to_string(rows) + " x " + std::to_string(columns) + " refused: not a sheet's size; its records are skipped");
    tables_.push_back(Table{});  // holds no cells: the records that follow are refused
    return;
  }
  Table table;
  table.rows = rows;
  table.columns = columns;
  tables_.push_back(std::move(table));
}

void DrawingBuilder::Record(const void* data, size_t cbData) {
  ++messages_;
  if (data == nullptr || (cbData != kCellRecordSize && cbData != kShapeRecordSize)) {
    Warn("record of " + std::to_string(cbData) + " bytes skipped: neither a cell record (13320) nor a shape record (5072)");
    return;
  }
  int32_t size = 0;
  std::memcpy(&size, data, sizeof size);
  if (static_cast<size_t>(size) != cbData) {
    Warn("record skipped: its size field says " + std::to_string(size) + " but " + std::to_string(cbData) + " bytes came");
    return;
  }
  if (cbData == kCellRecordSize) Cell(data);
  else Shape(data);
}

void DrawingBuilder::Cell(const void* data) {
  if (tables_.empty()) {
    Warn("cell record skipped: no table was started");
    return;
  }
  Table& table = tables_.back();
  if (table.rows == 0) {
    Warn("cell record skipped: its table was refused");
    return;
  }
  if (static_cast<int64_t>(table.received) >= table.rows * table.columns) {
    Warn("cell record skipped: the table announced " + std::to_string(table.rows * table.columns) + " cells");
    return;
  }
  // Each record is placed by counting, so even a refused one takes its place.
  const size_t index = table.received++;
  auto record = std::make_unique<CellRecord>();
  std::memcpy(record.get(), data, sizeof(CellRecord));
  const CellRecord& r = *record;
  if (!Terminated(r.address) || !Terminated(r.mergeAddress) || !Terminated(r.text) || !Terminated(r.runs) ||
      !Terminated(r.fontName)) {
    Warn("cell record " + std::to_string(index + 1) + " skipped: a text field has no terminator");
    return;
  }
  for (double v : {r.left, r.top, r.width, r.height, r.mergeWidth, r.mergeHeight, r.fontSize}) {
    if (!Finite(v)) {
      Warn("cell record " + std::to_string(index + 1) + " skipped: a coordinate is not a finite number of sheet size");
      return;
    }
  }
  if (r.width < 0 || r.height < 0 || r.mergeWidth < 0 || r.mergeHeight < 0 || r.fontSize < 0) {
    Warn("cell record " + std::to_string(index + 1) + " skipped: negative size");
    return;
  }
  CellData c;
  c.row = index / static_cast<size_t>(table.columns);
  c.column = index % static_cast<size_t>(table.columns);
  c.width = r.width;
  c.height = r.height;
  c.fontSize = r.fontSize;
  c.orientation = r.orientation;
  c.horizontal = r.horizontalAlignment;
  c.vertical = r.verticalAlignment;
  c.fillColor = r.fillColor;
  c.fillPattern = r.fillPattern;
  c.underline = r.underline;
  c.fontColor = r.fontColor;
  c.wrap = r.wrapText != 0;
  c.bold = r.bold != 0;
  c.italic = r.italic != 0;
  c.strike = r.strikethrough != 0;
  c.edges[0] = r.leftEdge;
  c.edges[1] = r.topEdge;
  c.edges[2] = r.rightEdge;
  c.edges[3] = r.bottomEdge;
  c.down = r.diagonalDown;
  c.up = r.diagonalUp;
  c.text = FieldText(r.text);
  c.runs = FieldText(r.runs);
  c.fontName = FieldText(r.fontName);
  // A merge area: the cell's place in it decides which of its edges are inner ones.
  const std::u16string_view merge = FieldText(r.mergeAddress);
  const size_t colon = merge.find(u':');
  int32_t row = 0, column = 0, r1 = 0, c1 = 0, r2 = 0, c2 = 0;
  if (colon != std::u16string_view::npos && ParseAbsoluteCell(FieldText(r.address), &row, &column) &&
      ParseAbsoluteCell(merge, &r1, &c1) && ParseAbsoluteCell(merge.substr(colon + 1), &r2, &c2) && r1 <= row &&
      row <= r2 && c1 <= column && column <= c2) {
    c.edgeInside[0] = column > c1;
    c.edgeInside[1] = row > r1;
    c.edgeInside[2] = column < c2;
    c.edgeInside[3] = row < r2;
    c.mergeTopLeft = row == r1 && column == c1;
    c.rowSpan = static_cast<size_t>(r2 - r1 + 1);
    c.columnSpan = static_cast<size_t>(c2 - c1 + 1);
  }
  table.cells.push_back(std::move(c));
}

void DrawingBuilder::Shape(const void* data) {
  if (tables_.empty() || tables_.back().rows == 0) {
    Warn("shape record skipped: no table was started");
    return;
  }
  ShapeRecord s;
  std::memcpy(&s, data, sizeof s);
  if (!Terminated(s.picturePath) || !Terminated(s.fontName) || !Terminated(s.text)) {
    Warn("shape record skipped: a text field has no terminator");
    return;
  }
  for (double v : {s.left, s.top, s.width, s.height, s.rotation, s.fontSize, s.lineWeight}) {
    if (!Finite(v)) {
      Warn("shape record skipped: a coordinate is not a finite number of sheet size");
      return;
    }
  }
  if (s.width < 0 || s.height < 0 || s.fontSize < 0 || s.lineWeight < 0) {
    Warn("shape record skipped: negative size");
    return;
  }
  tables_.back().shapes.push_back(s);
}

Drawing DrawingBuilder::End(int64_t reason) {
  ++messages_;
  if (reason != 1) return Drawing{};
  FinishTable();
  Drawing done = std::move(drawing_);
  drawing_ = Drawing{};
  tables_.clear();
  nextTop_ = 0;
  messages_ = 0;
  return done;
}

namespace {

// Lays one table out: column and row positions in drawing units, and the entities.
class Layout {
 public:
  Layout(const DrawingOptions& o, int64_t rows, int64_t columns, const std::vector<CellData>& cells)
      : o_(o), s_(o.cellScale) {
    // Only the columns and rows that records reached have a size.
    size_t maxColumn = 0, maxRow = 0;
    for (const CellData& c : cells) {
      maxColumn = std::max(maxColumn, c.column + 1);
      maxRow = std::max(maxRow, c.row + 1);
    }
    (void)rows;
    (void)columns;
    excelWidth_.assign(maxColumn, 0);
    excelHeight_.assign(maxRow, 0);
    for (const CellData& c : cells) {
      excelWidth_[c.column] = std::max(excelWidth_[c.column], c.width);
      excelHeight_[c.row] = std::max(excelHeight_[c.row], c.height);
    }
    x_ = Positions(excelWidth_, o.columnWidths);
    y_ = Positions(excelHeight_, o.rowHeights);
    width_ = x_.back();
    height_ = y_.back();
    offsetX_ = o.insertionPoint == 1 || o.insertionPoint == 3 ? width_ : 0;
    offsetY_ = o.insertionPoint == 2 || o.insertionPoint == 3 ? height_ : 0;
  }

  double Width() const { return width_; }
  double Height() const { return height_; }
  size_t Columns() const { return excelWidth_.size(); }
  size_t Rows() const { return excelHeight_.size(); }
  // Block coordinates of a grid line crossing.
  Point Grid(size_t row, size_t column) const {
    return Point{x_[std::min(column, x_.size() - 1)] - offsetX_, -y_[std::min(row, y_.size() - 1)] + offsetY_};
  }
  // Block coordinates of a point given in points from the area's top left corner.
  Point Map(double x, double y) const {
    return Point{MapAxis(x, excelWidth_, x_) - offsetX_, -MapAxis(y, excelHeight_, y_) + offsetY_};
  }

 private:
  std::vector<double> Positions(const std::vector<double>& excel, const std::vector<double>& explicitSizes) const {
    std::vector<double> at(1, 0.0);
    for (size_t i = 0; i < excel.size(); ++i) {
      double size = excel[i] * s_;
      if (excel[i] >= 1e-6 && o_.explicitSizes && i < explicitSizes.size() && explicitSizes[i] > 0) size = explicitSizes[i];
      if (excel[i] < 1e-6) size = 0;  // hidden
      at.push_back(at.back() + size);
    }
    return at;
  }
  double MapAxis(double v, const std::vector<double>& excel, const std::vector<double>& at) const {
    if (!o_.explicitSizes) return v * s_;
    double start = 0;
    for (size_t i = 0; i < excel.size(); ++i) {
      if (v < start + excel[i] || i + 1 == excel.size()) {
        const double within = v - start;
        return at[i] + (excel[i] > 0 ? within * (at[i + 1] - at[i]) / excel[i] : within * s_);
      }
      start += excel[i];
    }
    return v * s_;
  }

  const DrawingOptions& o_;
  double s_;
  std::vector<double> excelWidth_, excelHeight_, x_, y_;
  double width_ = 0, height_ = 0, offsetX_ = 0, offsetY_ = 0;
};

struct Edge {
  EdgeStyle style{};
  bool set = false;
};

uint64_t Key(size_t a, size_t b) { return (static_cast<uint64_t>(a) << 32) | static_cast<uint64_t>(b); }

class TableDrawer {
 public:
  TableDrawer(const DrawingOptions& o, const Layout& layout, std::vector<Entity>* out)
      : o_(o), layout_(layout), out_(*out) {}

  Entity Border(const EdgeStyle& style, Point a, Point b) const {
    Entity e;
    e.kind = o_.borderObject == 1 ? EntityKind::Line : EntityKind::Polyline;
    e.layer = o_.borderLayer;
    e.points = {a, b};
    e.lineweight = Lineweight(style.weight);
    e.linetype = Linetype(style.lineStyle);
    if (o_.lineColour == 0) e.colour = Colour{kByLayer, -1};
    else if (o_.lineColour == 2) e.colour = WeightRank(style.weight) >= 3 ? o_.thick : o_.thin;
    else e.colour = ConvertColour(style.color);
    return e;
  }

  bool Drawn(const EdgeStyle& style) const { return Visible(style.lineStyle) && (o_.whiteBorder || !IsWhite(style.color)); }

  void Borders(const std::vector<CellData>& cells) {
    std::unordered_map<uint64_t, Edge> horizontal, vertical;  // (line, cell along it)
    auto put = [](std::unordered_map<uint64_t, Edge>& map, uint64_t key, const EdgeStyle& style) {
      Edge& edge = map[key];
      if (!edge.set || WeightRank(style.weight) > WeightRank(edge.style.weight)) edge = Edge{style, true};
    };
    for (const CellData& c : cells) {
      if (c.width < 1e-6 || c.height < 1e-6) continue;
      if (Drawn(c.edges[0]) && !c.edgeInside[0]) put(vertical, Key(c.column, c.row), c.edges[0]);
      if (Drawn(c.edges[2]) && !c.edgeInside[2]) put(vertical, Key(c.column + 1, c.row), c.edges[2]);
      if (Drawn(c.edges[1]) && !c.edgeInside[1]) put(horizontal, Key(c.row, c.column), c.edges[1]);
      if (Drawn(c.edges[3]) && !c.edgeInside[3]) put(horizontal, Key(c.row + 1, c.column), c.edges[3]);
    }
    // Collinear neighbours of one style become one object, so borders meet cleanly at corners.
    auto same = [](const EdgeStyle& a, const EdgeStyle& b) {
      return a.lineStyle == b.lineStyle && a.weight == b.weight && a.color == b.color;
    };
    for (int pass = 0; pass < 2; ++pass) {
      const bool across = pass == 0;
      auto& map = across ? horizontal : vertical;
      const size_t lines = (across ? layout_.Rows() : layout_.Columns()) + 1;
      const size_t along = across ? layout_.Columns() : layout_.Rows();
      if (map.empty()) continue;
      for (size_t line = 0; line < lines; ++line) {
        size_t k = 0;
        while (k < along) {
          auto found = map.find(Key(line, k));
          if (found == map.end()) { ++k; continue; }
          const EdgeStyle style = found->second.style;
          size_t end = k + 1;
          for (; end < along; ++end) {
            auto next = map.find(Key(line, end));
            if (next == map.end() || !same(next->second.style, style)) break;
          }
          const Point a = across ? layout_.Grid(line, k) : layout_.Grid(k, line);
          const Point b = across ? layout_.Grid(line, end) : layout_.Grid(end, line);
          if (a.x != b.x || a.y != b.y) out_.push_back(Border(style, a, b));
          k = end;
        }
      }
    }
  }

  void Diagonals(const CellData& c) {
    const Point tl = layout_.Grid(c.row, c.column), br = layout_.Grid(c.row + c.rowSpan, c.column + c.columnSpan);
    for (const DiagonalStyle* d : {&c.down, &c.up}) {
      const EdgeStyle style{d->lineStyle, d->weight, d->color, 0, {}};
      if (!Drawn(style)) continue;
      if (d == &c.down) out_.push_back(Border(style, tl, br));
      else out_.push_back(Border(style, Point{tl.x, br.y}, Point{br.x, tl.y}));
    }
  }

  void Fill(const CellData& c) {
    if (c.fillPattern == kXlNone || c.fillPattern == 0 || c.fillColor < 0) return;
    if (!o_.whiteShading && IsWhite(c.fillColor)) return;
    const Point tl = layout_.Grid(c.row, c.column), br = layout_.Grid(c.row + 1, c.column + 1);
    Entity e;
    e.kind = EntityKind::Hatch;
    e.layer = o_.fillLayer;
    e.colour = o_.fillByLayer ? Colour{kByLayer, -1} : ConvertColour(c.fillColor);
    e.points = {tl, Point{br.x, tl.y}, br, Point{tl.x, br.y}};
    e.closed = true;
    out_.push_back(std::move(e));
  }

  void Text(const CellData& c) {
    if (c.text.empty()) return;
    const Point tl = layout_.Grid(c.row, c.column);
    const Point br = layout_.Grid(c.row + c.rowSpan, c.column + c.columnSpan);
    const double w = br.x - tl.x, h = tl.y - br.y;
    if (w <= 0 || h <= 0) return;
    const double rotation = Orientation(c.orientation);
    int column = Column(c.horizontal), row = Row(c.vertical);
    if (rotation != 0) column = 1, row = 1;  // turned text sits in the middle of its cell
    const double m = kMarginPoints * o_.cellScale;
    Point at{column == 0 ? tl.x + m : column == 1 ? tl.x + w / 2 : br.x - m,
             row == 0 ? tl.y - m : row == 1 ? tl.y - h / 2 : br.y + m};
    double widthFactor = 1;
    const double height = TextHeight(o_, c.fontSize, &widthFactor);
    const std::u16string plain = Unescape(c.text);
    if (o_.shiftDescenders && plain.find_first_of(o_.shiftChars) != std::u16string::npos)
      at = Rotate(Point{at.x, at.y + o_.shiftPoints * o_.fontScale}, at, rotation);

    Entity e;
    e.layer = o_.textLayer;
    if (o_.textColour == 0) e.colour = Colour{kByLayer, -1};
    else if (o_.textColour == 2) e.colour = c.bold ? o_.bold : o_.regular;
    else e.colour = ConvertColour(c.fontColor);
    e.style = o_.excelFont && !c.fontName.empty() ? ToUtf8(c.fontName) : "Standard";
    e.height = height;
    e.rotation = rotation;
    e.attachment = row * 3 + column + 1;
    e.widthFactor = widthFactor;
    e.boxWidth = c.wrap ? std::max(0.0, w - 2 * m) : 0;

    std::vector<Run> runs;
    if (!c.runs.empty() && !ParseRuns(c.runs, c.text.size(), &runs)) runs.clear();
    // Line ranges of the escaped text.
    std::vector<std::pair<size_t, size_t>> lines;
    const bool oneObject = o_.textObject == 0 && o_.paragraph;
    if (oneObject) {
      lines.push_back({0, c.text.size()});
    } else {
      size_t start = 0;
      for (size_t i = 0; i <= c.text.size(); ++i) {
        if (i == c.text.size() || c.text[i] == u'\n') {
          size_t end = i;
          if (end > start && c.text[end - 1] == u'\r') --end;
          lines.push_back({start, end});
          start = i + 1;
        }
      }
    }
    const double step = o_.lineSpacing * height;
    const double n = static_cast<double>(lines.size());
    for (size_t k = 0; k < lines.size(); ++k) {
      // Lines stack down from the top, up from the bottom, or around the middle.
      const double dy = row == 0 ? -step * k : row == 2 ? step * (n - 1 - k) : step * ((n - 1) / 2 - k);
      Entity line = e;
      line.points = {Rotate(Point{at.x, at.y + dy}, at, rotation)};
      const std::u16string_view part = std::u16string_view(c.text).substr(lines[k].first, lines[k].second - lines[k].first);
      if (o_.textObject == 1) {
        line.kind = EntityKind::Text;
        line.text = ToUtf8(Unescape(part));
        line.boxWidth = 0;
      } else {
        line.kind = EntityKind::MText;
        line.lineSpacing = oneObject ? o_.lineSpacing : 1;
        line.text = CellMText(c, runs, lines[k].first, lines[k].second);
      }
      if (!line.text.empty()) out_.push_back(std::move(line));
    }
  }

  static double TextHeight(const DrawingOptions& o, double fontSize, double* widthFactor) {
    if (o.fontMap) {
      for (const FontSizeRule& rule : o.fontSizes) {
        if (std::fabs(rule.points - fontSize) < 1e-6) {
          if (rule.width > 0) *widthFactor = rule.width / rule.height;
          return rule.height;
        }
      }
    }
    return fontSize * kCapitalsPerEm * o.fontScale;
  }

 private:
  std::string FontCode(const std::u16string& name, bool bold, bool italic) const {
    if (!o_.excelFont || name.empty()) return "";
    return "\\f" + ToUtf8(name) + "|b" + (bold ? "1" : "0") + "|i" + (italic ? "1" : "0") + ";";
  }

  // The MText of escaped positions [from, to): the cell's own format, or one group per run.
  std::string CellMText(const CellData& c, const std::vector<Run>& runs, size_t from, size_t to) const {
    const std::u16string_view text(c.text);
    if (runs.empty()) {
      std::string codes = FontCode(c.fontName, c.bold, c.italic);
      const bool underline = c.underline != kXlNone && c.underline != 0;
      if (underline) codes += "\\L";
      if (c.strike) codes += "\\K";
      const std::string body = MTextPiece(text.substr(from, to - from));
      if (body.empty()) return "";
      return codes.empty() ? body : "{" + codes + body + "}";
    }
    std::string out;
    size_t start = 0;
    for (const Run& run : runs) {
      const size_t a = std::max(start, from), b = std::min(run.last + 1, to);
      start = run.last + 1;
      if (a >= b) continue;
      double unused = 1;
      std::string codes = FontCode(run.name, run.bold, run.italic);
      codes += "\\H" + Number(TextHeight(o_, run.size, &unused) * (run.script != 0 ? 0.7 : 1)) + ";";
      if (run.script == 2) codes += "\\A2;";
      if (run.script == 1) codes += "\\A0;";
      if (run.underline) codes += "\\L";
      if (c.strike) codes += "\\K";
      out += "{" + codes + MTextPiece(text.substr(a, b - a)) + "}";
    }
    return out;
  }

  const DrawingOptions& o_;
  const Layout& layout_;
  std::vector<Entity>& out_;
};

// Shapes, in block coordinates of their table; the caller places them in model space.
class ShapeDrawer {
 public:
  ShapeDrawer(const DrawingOptions& o, const Layout& layout, std::vector<Entity>* out)
      : o_(o), layout_(layout), out_(*out) {}

  void Draw(const ShapeRecord& s) {
    const Point tl = layout_.Map(s.left, s.top), br = layout_.Map(s.left + s.width, s.top + s.height);
    const Point centre{(tl.x + br.x) / 2, (tl.y + br.y) / 2};
    const double w = br.x - tl.x, h = tl.y - br.y;
    const std::u16string picture(FieldText(s.picturePath));
    if (!picture.empty()) {
      Picture(s, picture, Point{tl.x, br.y}, w, h);
      return;
    }
    auto turn = [&](Point p) { return Rotate(p, centre, s.rotation); };
    Entity line;
    line.layer = o_.shapeLayer;
    line.colour = ConvertColour(s.lineColor);
    line.lineweight = LineweightFromPoints(s.lineWeight);
    line.linetype = s.lineDashStyle > 1 ? "DASHED" : "CONTINUOUS";
    const bool isLine = s.isConnector != 0 || s.shapeType == 9;
    std::vector<Point> outline;
    if (isLine) {
      Point a{s.horizontalFlip ? br.x : tl.x, s.verticalFlip ? br.y : tl.y};
      Point b{s.horizontalFlip ? tl.x : br.x, s.verticalFlip ? tl.y : br.y};
      outline.push_back(turn(a));
      if (s.isConnector != 0 && s.connectorType >= 2) {  // elbow; a curved one is drawn as an elbow
        const double mid = (a.x + b.x) / 2;
        outline.push_back(turn(Point{mid, a.y}));
        outline.push_back(turn(Point{mid, b.y}));
      }
      outline.push_back(turn(b));
      line.kind = outline.size() == 2 ? EntityKind::Line : EntityKind::Polyline;
    } else if (s.autoShapeType == 9) {
      line.kind = EntityKind::Ellipse;
      const bool wide = w >= h;
      line.points = {centre};
      line.majorAxis = Rotate(Point{wide ? w / 2 : 0, wide ? 0 : h / 2}, Point{0, 0}, s.rotation);
      line.ratio = wide ? (w > 0 ? h / w : 1) : (h > 0 ? w / h : 1);
      for (int k = 0; k < 64; ++k) {
        const double a = 2 * std::numbers::pi * k / 64;
        outline.push_back(turn(Point{centre.x + w / 2 * std::cos(a), centre.y + h / 2 * std::sin(a)}));
      }
    } else {
      outline = {turn(tl), turn(Point{br.x, tl.y}), turn(br), turn(Point{tl.x, br.y})};
      line.kind = EntityKind::Polyline;
      line.closed = true;
    }
    if (s.fillVisible != 0 && !isLine && w > 0 && h > 0 && (o_.whiteShading || !IsWhite(s.fillColor))) {
      Entity fill;
      fill.kind = EntityKind::Hatch;
      fill.layer = o_.fillLayer;
      fill.colour = o_.fillByLayer ? Colour{kByLayer, -1} : ConvertColour(s.fillColor);
      fill.points = outline;
      fill.closed = true;
      out_.push_back(std::move(fill));
    }
    if (s.lineVisible != 0) {
      if (line.kind != EntityKind::Ellipse) line.points = outline;
      if (isLine) {
        Arrowhead(s, line, outline[1 < outline.size() ? 1 : 0], outline.front(), s.beginArrowheadStyle,
                  s.beginArrowheadLength, s.beginArrowheadWidth);
        Arrowhead(s, line, outline[outline.size() - 2], outline.back(), s.endArrowheadStyle, s.endArrowheadLength,
                  s.endArrowheadWidth);
      }
      if (!(line.kind == EntityKind::Line && line.points[0].x == line.points[1].x && line.points[0].y == line.points[1].y))
        out_.push_back(std::move(line));
    }
    Text(s, centre, w, h);
  }

 private:
  void Arrowhead(const ShapeRecord& s, const Entity& line, Point from, Point tip, int32_t style, int32_t length,
                 int32_t width) {
    if (style <= 1) return;
    const double dx = tip.x - from.x, dy = tip.y - from.y, d = std::hypot(dx, dy);
    if (d <= 0) return;
    static constexpr double kSize[] = {2, 3, 5};  // short, medium, long: times the line weight
    const double weight = std::max(s.lineWeight, 1.0) * o_.cellScale;
    const double l = kSize[std::clamp(length, 1, 3) - 1] * weight * 1.5, hw = kSize[std::clamp(width, 1, 3) - 1] * weight * 0.75;
    const Point u{dx / d, dy / d}, n{-dy / d, dx / d};
    Entity head;
    head.kind = EntityKind::Hatch;
    head.layer = line.layer;
    head.colour = line.colour;
    head.points = {tip, Point{tip.x - u.x * l + n.x * hw, tip.y - u.y * l + n.y * hw},
                   Point{tip.x - u.x * l - n.x * hw, tip.y - u.y * l - n.y * hw}};
    head.closed = true;
    out_.push_back(std::move(head));
  }

  void Text(const ShapeRecord& s, Point centre, double w, double h) {
    std::u16string_view text = FieldText(s.text);
    if (text.empty()) return;
    Entity e;
    e.kind = EntityKind::MText;
    e.layer = o_.textLayer;
    if (o_.textColour == 0) e.colour = Colour{kByLayer, -1};
    else if (o_.textColour == 2) e.colour = s.bold ? o_.bold : o_.regular;
    else e.colour = ConvertColour(s.fontColor);
    double unused = 1;
    e.height = TableDrawer::TextHeight(o_, s.fontSize > 0 ? s.fontSize : 11, &unused);
    // Paragraph text comes as MText already; plain text is escaped for it.
    if (text.front() == u'\x0002') e.text = ToUtf8(text.substr(1));
    else e.text = MTextPiece(EscapeMText(text));
    if (e.text.empty()) return;
    e.style = o_.excelFont && s.fontName[0] != 0 ? ToUtf8(FieldText(s.fontName)) : "Standard";
    const int column = Column(s.horizontalAlignment), row = s.verticalAlignment == 0 ? 1 : Row(s.verticalAlignment);
    const double m = kMarginPoints * o_.cellScale;
    e.attachment = row * 3 + column + 1;
    e.boxWidth = std::max(0.0, w - 2 * m);
    const Point at{column == 0 ? centre.x - w / 2 + m : column == 1 ? centre.x : centre.x + w / 2 - m,
                   row == 0 ? centre.y + h / 2 - m : row == 1 ? centre.y : centre.y - h / 2 + m};
    e.points = {Rotate(at, centre, s.rotation)};
    e.rotation = s.rotation;
    out_.push_back(std::move(e));
  }

  void Picture(const ShapeRecord& s, const std::u16string& path, Point lowerLeft, double w, double h) {
    Entity e;
    e.kind = EntityKind::Image;
    e.layer = o_.imageLayer;
    e.colour = Colour{kByLayer, -1};
    e.points = {lowerLeft};
    e.width = w;
    e.imageHeight = h;
    e.rotation = s.rotation;
    e.sourcePath = ToUtf8(path);
#ifndef _WIN32
    // Records made under Wine name host files on drive Z:, the host's root.
    if (path.size() > 3 && (path[0] == u'Z' || path[0] == u'z') && path[1] == u':' && path[2] == u'\\') {
      e.sourcePath = ToUtf8(path.substr(2));
      std::replace(e.sourcePath.begin(), e.sourcePath.end(), '\\', '/');
    }
#endif
    std::u16string referred = path;
    if (o_.linkPath == 2) {
      referred = FileName(path);
    } else if (o_.linkPath == 1 && !o_.drawingFolder.empty()) {
      std::u16string folder = o_.drawingFolder;
      if (folder.back() != u'\\' && folder.back() != u'/') folder.push_back(u'\\');
      bool inside = path.size() > folder.size();
      for (size_t i = 0; inside && i < folder.size(); ++i) inside = Fold(path[i]) == Fold(folder[i]);
      if (inside) referred = path.substr(folder.size());
    }
    e.path = ToUtf8(referred);
    const std::array<int, 2> pixels = PngSize(e.sourcePath);
    e.pixelsWide = pixels[0] > 0 ? pixels[0] : std::max(1, static_cast<int>(std::lround(s.width)));
    e.pixelsHigh = pixels[1] > 0 ? pixels[1] : std::max(1, static_cast<int>(std::lround(s.height)));
    out_.push_back(std::move(e));
  }

  const DrawingOptions& o_;
  const Layout& layout_;
  std::vector<Entity>& out_;
};

Point Place(Point p, Point at, double rotation) {
  const Point turned = Rotate(p, Point{0, 0}, rotation);
  return Point{turned.x + at.x, turned.y + at.y};
}

}  // namespace

void DrawingBuilder::FinishTable() {
  for (Table& table : tables_) {
    if (table.rows == 0 || (table.cells.empty() && table.shapes.empty())) continue;
    const Layout layout(options_, table.rows, table.columns, table.cells);
    Block block;
    const size_t number = drawing_.blocks.size() + 1;
    block.anonymous = options_.tableObject != 1;
    block.name = block.anonymous ? "*U" + std::to_string(number) : "VELLUMARK_TABLE_" + std::to_string(number);
    TableDrawer cells(options_, layout, &block.entities);
    // Fills first, so borders and text lie over them.
    for (const CellData& c : table.cells)
      if (c.width >= 1e-6 && c.height >= 1e-6) cells.Fill(c);
    cells.Borders(table.cells);
    for (const CellData& c : table.cells) {
      if (c.width < 1e-6 || c.height < 1e-6 || !c.mergeTopLeft) continue;
      cells.Diagonals(c);
      cells.Text(c);
    }
    const Point at = Rotate(Point{0, -nextTop_}, Point{0, 0}, options_.rotation);
    if (!block.entities.empty()) {
      drawing_.inserts.push_back(Insert{block.name, at, options_.rotation});
      drawing_.blocks.push_back(std::move(block));
    }
    std::vector<Entity> shapes;
    ShapeDrawer drawer(options_, layout, &shapes);
    for (const ShapeRecord& s : table.shapes) drawer.Draw(s);
    for (Entity& e : shapes) {
      for (Point& p : e.points) p = Place(p, at, options_.rotation);
      e.majorAxis = Rotate(e.majorAxis, Point{0, 0}, options_.rotation);
      e.rotation += options_.rotation;
      drawing_.entities.push_back(std::move(e));
    }
    nextTop_ += layout.Height() + kTableGapPoints * options_.cellScale;
  }
  tables_.clear();
}

}  // namespace vk::draw
