#include "dxf_writer.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <set>

#include "text/utf8_text.h"

namespace vk::draw {

namespace {

// UTF-8 as the ASCII text of an R2000 file.
std::string DxfText(const std::string& utf8) {
  std::string out;
  for (char16_t c : FromUtf8(utf8)) {
    if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      out.push_back(' ');  // control characters end a DXF value
    } else {
      char buffer[12];
      std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(c));
      out += buffer;
    }
  }
  return out;
}

DL_Attributes Attributes(const Entity& e) {
  std::string linetype = e.linetype;
  return DL_Attributes(DxfText(e.layer), e.colour.aci, e.colour.trueColour, e.lineweight, linetype);
}

constexpr double kRadians = std::numbers::pi / 180;

void WriteEntity(DL_Dxf& dxf, DL_WriterA& dw, const Entity& e, std::vector<std::pair<unsigned long, std::string>>* images) {
  const DL_Attributes a = Attributes(e);
  switch (e.kind) {
    case EntityKind::Line:
      if (e.points.size() < 2) return;
      dxf.writeLine(dw, DL_LineData(e.points[0].x, e.points[0].y, 0, e.points[1].x, e.points[1].y, 0), a);
      return;
    case EntityKind::Polyline:
      if (e.points.size() < 2) return;
      dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(e.points.size()), 0, 0, e.closed ? 1 : 0), a);
      for (const Point& p : e.points) dxf.writeVertex(dw, DL_VertexData(p.x, p.y, 0, 0));
      dxf.writePolylineEnd(dw);
      return;
    case EntityKind::Hatch: {
      if (e.points.size() < 3) return;
      dxf.writeHatch1(dw, DL_HatchData(1, true, 1, 0, "SOLID"), a);
      DL_HatchLoopData loop(static_cast<int>(e.points.size()));
      dxf.writeHatchLoop1(dw, loop);
      for (size_t i = 0; i < e.points.size(); ++i) {
        const Point& p = e.points[i];
        const Point& q = e.points[(i + 1) % e.points.size()];
        dxf.writeHatchEdge(dw, DL_HatchEdgeData(p.x, p.y, q.x, q.y));
      }
      dxf.writeHatchLoop2(dw, loop);
      dxf.writeHatch2(dw, DL_HatchData(1, true, 1, 0, "SOLID"), a);
      return;
    }
    case EntityKind::MText: {
      const double angle = e.rotation * kRadians;
      dxf.writeMText(dw,
                     DL_MTextData(e.points[0].x, e.points[0].y, 0, std::cos(angle), std::sin(angle), 0, e.height,
                                  e.boxWidth, e.attachment, 1, 2, e.lineSpacing, DxfText(e.text), DxfText(e.style),
                                  angle),
                     a);
      return;
    }
    case EntityKind::Text: {
      // Text justification from the attachment: column left/centre/right, row top/middle/bottom.
      const int column = (e.attachment - 1) % 3, row = (e.attachment - 1) / 3;
      const int vertical = row == 0 ? 3 : row == 1 ? 2 : 1;
      dxf.writeText(dw,
                    DL_TextData(e.points[0].x, e.points[0].y, 0, e.points[0].x, e.points[0].y, 0, e.height,
                                e.widthFactor, 0, column, vertical, DxfText(e.text), DxfText(e.style), e.rotation * kRadians),
                    a);
      return;
    }
    case EntityKind::Ellipse:
      dxf.writeEllipse(dw,
                       DL_EllipseData(e.points[0].x, e.points[0].y, 0, e.majorAxis.x, e.majorAxis.y, 0, e.ratio, 0,
                                      2 * std::numbers::pi),
                       a);
      return;
    case EntityKind::Image: {
      const double angle = e.rotation * kRadians;
      const double ux = e.width / e.pixelsWide, vy = e.imageHeight / e.pixelsHigh;
      const std::string ref = DxfText(e.path);
      const unsigned long handle = dxf.writeImage(
          dw,
          DL_ImageData(ref, e.points[0].x, e.points[0].y, 0, ux * std::cos(angle), ux * std::sin(angle), 0,
                       -vy * std::sin(angle), vy * std::cos(angle), 0, e.pixelsWide, e.pixelsHigh, 50, 50, 0),
          a);
      images->push_back({handle, ref});
      return;
    }
  }
}

}  // namespace

bool WriteDxf(const Drawing& drawing, const std::string& path, const std::vector<std::string>& extraLayers) {
  std::set<std::string> layers{"0"}, styles{"Standard"};
  for (const std::string& layer : extraLayers) layers.insert(DxfText(layer));
  auto collect = [&](const std::vector<Entity>& entities) {
    for (const Entity& e : entities) {
      layers.insert(DxfText(e.layer));
      if (e.kind == EntityKind::MText || e.kind == EntityKind::Text) styles.insert(DxfText(e.style));
    }
  };
  collect(drawing.entities);
  for (const Block& block : drawing.blocks) collect(block.entities);

  DL_Dxf dxf;
  std::unique_ptr<DL_WriterA> dw(dxf.out(path.c_str(), DL_Codes::AC1015));
  if (!dw) return false;
  dxf.writeHeader(*dw);
  dw->dxfString(9, "$INSUNITS");
  dw->dxfInt(70, 0);
  dw->sectionEnd();

  dw->sectionTables();
  dxf.writeVPort(*dw);
  static const char* const kLinetypes[] = {"BYBLOCK", "BYLAYER", "CONTINUOUS", "DASHED", "DOT", "DASHDOT", "DIVIDE"};
  double dashed[] = {0.5, -0.25}, dot[] = {0.0, -0.25}, dashdot[] = {0.5, -0.25, 0.0, -0.25},
         divide[] = {0.5, -0.25, 0.0, -0.25, 0.0, -0.25};
  dw->tableLinetypes(7);
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[0], "", 0, 0, 0));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[1], "", 0, 0, 0));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[2], "Solid line", 0, 0, 0));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[3], "Dashed __ __ __", 0, 2, 0.75, dashed));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[4], "Dot . . . .", 0, 2, 0.25, dot));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[5], "Dash dot __ . __ .", 0, 4, 1.0, dashdot));
  dxf.writeLinetype(*dw, DL_LinetypeData(kLinetypes[6], "Divide __ . . __ . .", 0, 6, 1.25, divide));
  dw->tableEnd();

  dw->tableLayers(static_cast<int>(layers.size()));
  for (const std::string& layer : layers)
    dxf.writeLayer(*dw, DL_LayerData(layer, 0), DL_Attributes("", 7, 25, "CONTINUOUS", 1.0));
  dw->tableEnd();

  dw->tableStyle(static_cast<int>(styles.size()));
  for (const std::string& style : styles) {
    // Excel's fonts are TrueType fonts of the same name; the standard style keeps the CAD font.
    const std::string font = style == "Standard" ? "txt" : style + ".ttf";
    dxf.writeStyle(*dw, DL_StyleData(style, 0, 0, 1, 0, 0, 2.5, font, ""));
  }
  dw->tableEnd();
  dxf.writeView(*dw);
  dxf.writeUcs(*dw);
  dw->tableAppid(1);
  dxf.writeAppid(*dw, "ACAD");
  dw->tableEnd();
  dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(*dw);
  for (const Block& block : drawing.blocks) dxf.writeBlockRecord(*dw, block.name);
  dw->tableEnd();
  dw->sectionEnd();

  std::vector<std::pair<unsigned long, std::string>> images;
  dw->sectionBlocks();
  for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(*dw, DL_BlockData(name, 0, 0, 0, 0));
    dxf.writeEndBlock(*dw, name);
  }
  for (const Block& block : drawing.blocks) {
    dxf.writeBlock(*dw, DL_BlockData(block.name, block.anonymous ? 1 : 0, 0, 0, 0));
    for (const Entity& e : block.entities) WriteEntity(dxf, *dw, e, &images);
    dxf.writeEndBlock(*dw, block.name);
  }
  dw->sectionEnd();

  dw->sectionEntities();
  for (const Insert& insert : drawing.inserts)
    dxf.writeInsert(*dw, DL_InsertData(insert.block, insert.at.x, insert.at.y, 0, 1, 1, 1, insert.rotation, 1, 1, 0, 0),
                    DL_Attributes("0", 256, -1, -1, "BYLAYER"));
  for (const Entity& e : drawing.entities) WriteEntity(dxf, *dw, e, &images);
  dw->sectionEnd();

  dxf.writeObjects(*dw);
  for (const auto& [handle, ref] : images) dxf.writeImageDef(*dw, static_cast<int>(handle), DL_ImageData(ref, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  dxf.writeObjectsEnd(*dw);
  dw->dxfEOF();
  dw->close();
  return true;
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A name as an R2000 file holds it back to UTF-8: each \U+XXXX is the character it stands for,
// so a template's Japanese layer names reach the Options sheet as names, not as codes.
std::string DecodeDxfText(const std::string& text) {
  std::u16string units;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 3, "\\U+") == 0 && i + 7 <= text.size()) {
      int value = 0;
      bool hex = true;
      for (size_t k = i + 3; k < i + 7; ++k) {
        const int digit = HexDigit(text[k]);
        hex = hex && digit >= 0;
        value = value * 16 + digit;
      }
      if (hex) {
        units += static_cast<char16_t>(value);
        i += 7;
        continue;
      }
    }
    // Plain bytes pass as UTF-8, the encoding of later versions' files.
    size_t next = text.find("\\U+", i + 1);
    if (next == std::string::npos) next = text.size();
    units += FromUtf8(std::string_view(text).substr(i, next - i));
    i = next;
  }
  return ToUtf8(units);
}

class LayerReader : public DL_CreationAdapter {
 public:
  void addLayer(const DL_LayerData& data) override { layers.push_back(DecodeDxfText(data.name)); }
  std::vector<std::string> layers;
};
}  // namespace

std::vector<std::string> ReadDxfLayers(const std::string& path) {
  LayerReader reader;
  DL_Dxf dxf;
  if (!dxf.in(path, &reader)) return {};
  return reader.layers;
}

}  // namespace vk::draw
