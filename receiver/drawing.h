#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vk::draw {

// Colour as a CAD drawing holds it: an AutoCAD Colour Index (0 ByBlock, 256 ByLayer) and, when
// the exact colour matters, a true colour as 0xRRGGBB beside the nearest index.
struct Colour {
  int aci = 256;
  int32_t trueColour = -1;
  bool operator==(const Colour&) const = default;
};
inline constexpr int kByLayer = 256;
inline constexpr int kLineweightByLayer = -1;

struct Point {
  double x = 0;
  double y = 0;
};

enum class EntityKind { Line, Polyline, Hatch, MText, Text, Ellipse, Image };

// One drawing object in drawing units, Y up. Only the members of its kind are used.
struct Entity {
  EntityKind kind = EntityKind::Line;
  std::string layer = "0";  // UTF-8
  Colour colour;
  int lineweight = kLineweightByLayer;  // hundredths of a millimetre
  std::string linetype = "BYLAYER";
  std::vector<Point> points;  // line: two; polyline and hatch: the outline; text, image: insertion
  bool closed = false;
  // MText and Text.
  std::string text;        // MText with its inline codes, or the plain text of a Text
  std::string style = "Standard";
  double height = 0;
  double boxWidth = 0;     // MText wrap width, 0: no wrapping
  double rotation = 0;     // degrees, counter-clockwise
  int attachment = 1;      // MText 1..9 (top left .. bottom right); Text maps it to justification
  double lineSpacing = 1;  // MText line spacing factor
  double widthFactor = 1;  // Text only
  // Ellipse: centre in points[0].
  Point majorAxis;
  double ratio = 1;
  // Image: lower left corner in points[0], size in drawing units, pixel size of the file.
  std::string path;  // UTF-8, as the drawing refers to it
  std::string sourcePath;  // UTF-8, where the receiver found it (the picture reads it)
  double width = 0;
  double imageHeight = 0;
  int pixelsWide = 0;
  int pixelsHigh = 0;
};

struct Block {
  std::string name;
  bool anonymous = true;
  std::vector<Entity> entities;
};

struct Insert {
  std::string block;
  Point at;
  double rotation = 0;  // degrees
};

// One import's drawing: a block per table with its insertion, and the shapes in model space.
struct Drawing {
  std::vector<Block> blocks;
  std::vector<Insert> inserts;
  std::vector<Entity> entities;
  size_t Count() const {
    size_t n = entities.size();
    for (const Block& block : blocks) n += block.entities.size();
    return n;
  }
};

}  // namespace vk::draw
