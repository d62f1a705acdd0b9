#include "picture_writer.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>

#include "settings/default_colour_table.h"

namespace vk::draw {

namespace {

constexpr double kMaxPixels = 1600;
constexpr double kMarginPixels = 24;

Point Place(Point p, const Insert* insert) {
  if (insert == nullptr) return p;
  const double a = insert->rotation * std::numbers::pi / 180;
  return Point{insert->at.x + p.x * std::cos(a) - p.y * std::sin(a), insert->at.y + p.x * std::sin(a) + p.y * std::cos(a)};
}

// The model's entities in model space: a block's through its insertion.
std::vector<Entity> Flatten(const Drawing& drawing) {
  std::vector<Entity> all;
  for (const Insert& insert : drawing.inserts) {
    for (const Block& block : drawing.blocks) {
      if (block.name != insert.block) continue;
      const double a = insert.rotation * std::numbers::pi / 180;
      for (Entity e : block.entities) {
        for (Point& p : e.points) p = Place(p, &insert);
        e.majorAxis = Point{e.majorAxis.x * std::cos(a) - e.majorAxis.y * std::sin(a),
                            e.majorAxis.x * std::sin(a) + e.majorAxis.y * std::cos(a)};
        e.rotation += insert.rotation;
        all.push_back(std::move(e));
      }
    }
  }
  all.insert(all.end(), drawing.entities.begin(), drawing.entities.end());
  return all;
}

void SetColour(cairo_t* cr, const Colour& c) {
  uint32_t rgb = 0;  // ByLayer, ByBlock and index 7 print black on paper
  if (c.trueColour >= 0) {
    const uint32_t t = static_cast<uint32_t>(c.trueColour);
    rgb = ((t >> 16) & 0xFF) | (t & 0xFF00) | ((t & 0xFF) << 16);
  } else if (c.aci >= 1 && c.aci <= 255 && c.aci != 7) {
    rgb = DefaultColourTable()[static_cast<size_t>(c.aci - 1)].colour;
  }
  cairo_set_source_rgb(cr, (rgb & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, ((rgb >> 16) & 0xFF) / 255.0);
}

// MText's visible characters: formatting codes left out, "\P" as a line break.
std::vector<std::string> PlainLines(const std::string& mtext) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < mtext.size(); ++i) {
    const char c = mtext[i];
    if (c == '{' || c == '}') continue;
    if (c != '\\' || i + 1 >= mtext.size()) {
      lines.back().push_back(c);
      continue;
    }
    const char code = mtext[++i];
    if (code == 'P') lines.emplace_back();
    else if (code == '\\' || code == '{' || code == '}') lines.back().push_back(code);
    else if (std::string("fFHACcWQTp").find(code) != std::string::npos) {
      const size_t end = mtext.find(';', i);
      i = end == std::string::npos ? mtext.size() : end;
    }
    // \L \l \K \k \O \o: underline, strike, overline marks carry no characters.
  }
  return lines;
}

// Pieces of a line that one font draws: the CJK ranges come from the fallback font, which has
// no Latin letters, the rest from DejaVu.
std::vector<std::pair<std::string, bool>> FontPieces(const std::string& line) {
  std::vector<std::pair<std::string, bool>> pieces;
  for (size_t i = 0; i < line.size();) {
    const unsigned char lead = static_cast<unsigned char>(line[i]);
    const size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    unsigned code = lead;
    if (n == 3 && i + 2 < line.size()) code = ((lead & 0x0F) << 12) | ((line[i + 1] & 0x3F) << 6) | (line[i + 2] & 0x3F);
    const bool cjk = n >= 3 && code >= 0x2E80;
    std::string ch = line.substr(i, n);
    if (ch == "\t") ch = "    ";
    if (pieces.empty() || pieces.back().second != cjk) pieces.push_back({"", cjk});
    pieces.back().first += ch;
    i += n;
  }
  return pieces;
}

class Painter {
 public:
  Painter(cairo_t* cr, double scale, double minX, double maxY) : cr_(cr), scale_(scale), minX_(minX), maxY_(maxY) {}

  double X(double x) const { return kMarginPixels + (x - minX_) * scale_; }
  double Y(double y) const { return kMarginPixels + (maxY_ - y) * scale_; }

  void Path(const Entity& e) {
    cairo_new_path(cr_);
    for (const Point& p : e.points) cairo_line_to(cr_, X(p.x), Y(p.y));
    if (e.closed) cairo_close_path(cr_);
  }

  void Stroke(const Entity& e) {
    const int weight = e.lineweight < 0 ? 25 : e.lineweight;
    cairo_set_line_width(cr_, std::max(1.0, weight / 100.0 * 96 / 25.4));
    const double dash[] = {6, 3}, dot[] = {1.5, 3};
    if (e.linetype == "DASHED" || e.linetype == "DASHDOT" || e.linetype == "DIVIDE") cairo_set_dash(cr_, dash, 2, 0);
    else if (e.linetype == "DOT") cairo_set_dash(cr_, dot, 2, 0);
    else cairo_set_dash(cr_, nullptr, 0, 0);
    SetColour(cr_, e.colour);
    cairo_stroke(cr_);
  }

  void Draw(const Entity& e) {
    switch (e.kind) {
      case EntityKind::Line:
      case EntityKind::Polyline:
        Path(e);
        Stroke(e);
        return;
      case EntityKind::Hatch:
        Path(e);
        cairo_close_path(cr_);
        SetColour(cr_, e.colour);
        cairo_fill(cr_);
        return;
      case EntityKind::Ellipse: {
        const double major = std::hypot(e.majorAxis.x, e.majorAxis.y);
        if (major <= 0) return;
        cairo_save(cr_);
        cairo_translate(cr_, X(e.points[0].x), Y(e.points[0].y));
        cairo_rotate(cr_, -std::atan2(e.majorAxis.y, e.majorAxis.x));
        cairo_scale(cr_, major * scale_, major * e.ratio * scale_);
        cairo_new_path(cr_);
        cairo_arc(cr_, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(cr_);
        Stroke(e);
        return;
      }
      case EntityKind::Image:
        Image(e);
        return;
      case EntityKind::MText:
      case EntityKind::Text:
        Text(e);
        return;
    }
  }

 private:
  void Image(const Entity& e) {
    const double x = X(e.points[0].x), y = Y(e.points[0].y), w = e.width * scale_, h = e.imageHeight * scale_;
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_rotate(cr_, -e.rotation * std::numbers::pi / 180);
    cairo_surface_t* image = cairo_image_surface_create_from_png(e.sourcePath.c_str());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(image) > 0 &&
        cairo_image_surface_get_height(image) > 0) {
      cairo_translate(cr_, 0, -h);
      cairo_scale(cr_, w / cairo_image_surface_get_width(image), h / cairo_image_surface_get_height(image));
      cairo_set_source_surface(cr_, image, 0, 0);
      cairo_paint(cr_);
    } else {
      // A picture whose file is not here: its frame, crossed.
      cairo_set_source_rgb(cr_, 0.5, 0.5, 0.5);
      cairo_set_line_width(cr_, 1);
      cairo_rectangle(cr_, 0, -h, w, h);
      cairo_move_to(cr_, 0, -h);
      cairo_line_to(cr_, w, 0);
      cairo_move_to(cr_, w, -h);
      cairo_line_to(cr_, 0, 0);
      cairo_stroke(cr_);
    }
    cairo_surface_destroy(image);
    cairo_restore(cr_);
  }

  void Text(const Entity& e) {
    const std::vector<std::string> lines = e.kind == EntityKind::MText ? PlainLines(e.text) : std::vector<std::string>{e.text};
    const double size = e.height * scale_ * 1.35;  // the text height is the capitals' height
    if (size < 0.5) return;
    cairo_set_font_size(cr_, size);
    const double step = e.height * scale_ * 1.667 * (e.kind == EntityKind::MText ? e.lineSpacing : 1);
    const double cap = e.height * scale_;
    const int column = (e.attachment - 1) % 3, row = (e.attachment - 1) / 3;
    const double n = static_cast<double>(lines.size());
    // Baseline of the first line, relative to the insertion point.
    const double first = row == 0 ? cap : row == 1 ? cap / 2 - step * (n - 1) / 2 : -step * (n - 1);
    cairo_save(cr_);
    cairo_translate(cr_, X(e.points[0].x), Y(e.points[0].y));
    cairo_rotate(cr_, -e.rotation * std::numbers::pi / 180);
    SetColour(cr_, e.colour);
    for (size_t k = 0; k < lines.size(); ++k) {
      const auto pieces = FontPieces(lines[k]);
      double advance = 0;
      for (const auto& [piece, cjk] : pieces) advance += Advance(piece, cjk);
      double x = column == 0 ? 0 : column == 1 ? -advance / 2 : -advance;
      for (const auto& [piece, cjk] : pieces) {
        SelectFont(cjk);
        cairo_move_to(cr_, x, first + step * static_cast<double>(k));
        cairo_show_text(cr_, piece.c_str());
        x += Advance(piece, cjk);
      }
    }
    cairo_restore(cr_);
  }

  void SelectFont(bool cjk) {
    cairo_select_font_face(cr_, cjk ? "Droid Sans Fallback" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
  }
  double Advance(const std::string& piece, bool cjk) {
    SelectFont(cjk);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, piece.c_str(), &extents);
    return extents.x_advance;
  }

  cairo_t* cr_;
  double scale_, minX_, maxY_;
};

}  // namespace

bool WritePicture(const Drawing& drawing, const std::string& path, PictureFormat format) {
  const std::vector<Entity> all = Flatten(drawing);
  double minX = std::numeric_limits<double>::max(), minY = minX, maxX = -minX, maxY = -minX;
  for (const Entity& e : all) {
    std::vector<Point> extent = e.points;
    if (e.kind == EntityKind::Ellipse && !e.points.empty()) {
      const double r = std::hypot(e.majorAxis.x, e.majorAxis.y);
      extent = {Point{e.points[0].x - r, e.points[0].y - r}, Point{e.points[0].x + r, e.points[0].y + r}};
    } else if ((e.kind == EntityKind::MText || e.kind == EntityKind::Text) && !e.points.empty()) {
      // Room for text that runs past its cell: about one text height per character.
      size_t longest = 0;
      for (const std::string& line : e.kind == EntityKind::MText ? PlainLines(e.text) : std::vector<std::string>{e.text})
        longest = std::max(longest, line.size());
      const double reach = e.height * static_cast<double>(longest);
      const int column = (e.attachment - 1) % 3;
      const double from = column == 0 ? 0 : column == 1 ? -reach / 2 : -reach;
      extent = {Point{e.points[0].x + from, e.points[0].y - e.height * 1.5},
                Point{e.points[0].x + from + reach, e.points[0].y + e.height * 1.5}};
    } else if (e.kind == EntityKind::Image && !e.points.empty()) {
      extent.push_back(Point{e.points[0].x + e.width, e.points[0].y + e.imageHeight});
    }
    for (const Point& p : extent) {
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
  }
  if (all.empty() || !(maxX >= minX)) minX = minY = 0, maxX = maxY = 1;
  const double spanX = std::max(maxX - minX, 1e-9), spanY = std::max(maxY - minY, 1e-9);
  const double scale = (kMaxPixels - 2 * kMarginPixels) / std::max(spanX, spanY);
  const int width = static_cast<int>(std::ceil(spanX * scale + 2 * kMarginPixels));
  const int height = static_cast<int>(std::ceil(spanY * scale + 2 * kMarginPixels));

  cairo_surface_t* surface = format == PictureFormat::Png
                                 ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)
                                 : cairo_svg_surface_create(path.c_str(), width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  Painter painter(cr, scale, minX, maxY);
  for (const Entity& e : all) painter.Draw(e);
  cairo_destroy(cr);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  if (format == PictureFormat::Png) ok = ok && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_finish(surface);
  ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace vk::draw
