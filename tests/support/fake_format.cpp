#include "fake_format.h"

#include <cstdlib>

namespace vk::fake {
namespace {

constexpr int32_t kXlNone = -4142;
constexpr int32_t kXlAutomatic = -4105;
constexpr int32_t kXlSolid = 1;
constexpr int32_t kXlContinuous = 1;
constexpr int32_t kXlThin = 2;
constexpr int32_t kWhite = 0xFFFFFF;

template <class T>
std::optional<T> Either(const std::optional<T>& mine, const std::optional<T>& base) {
  return mine ? mine : base;
}

}  // namespace

FakeFontFace FakeFontFace::Standard() {
  FakeFontFace face;
  face.name = u"Calibri";
  face.size = 11.0;
  face.bold = false;
  face.italic = false;
  face.underline = kXlNone;
  face.strikethrough = false;
  face.superscript = false;
  face.subscript = false;
  face.color = 0;
  return face;
}

FakeFontFace FakeFontFace::Over(const FakeFontFace& base) const {
  FakeFontFace out;
  out.name = Either(name, base.name);
  out.size = Either(size, base.size);
  out.bold = Either(bold, base.bold);
  out.italic = Either(italic, base.italic);
  out.underline = Either(underline, base.underline);
  out.strikethrough = Either(strikethrough, base.strikethrough);
  // Excel keeps at most one of the two scripts on a character.
  out.superscript = Either(superscript, base.superscript);
  out.subscript = Either(subscript, base.subscript);
  if (superscript.value_or(false)) out.subscript = false;
  if (subscript.value_or(false)) out.superscript = false;
  out.color = Either(color, base.color);
  return out;
}

FakeFill FakeFill::Resolved() const {
  FakeFill out = *this;
  if (!colorIndex && !color) {
    out.colorIndex = kXlNone;
    out.color = kWhite;
    out.pattern = pattern.value_or(kXlNone);
  } else {
    if (!out.colorIndex) out.colorIndex = NearestPaletteIndex(*color);
    if (!out.color) out.color = *colorIndex > 0 ? DefaultPalette()[static_cast<size_t>(*colorIndex - 1)] : kWhite;
    out.pattern = pattern.value_or(*out.colorIndex == kXlNone ? kXlNone : kXlSolid);
  }
  out.patternColorIndex = patternColorIndex.value_or(kXlAutomatic);
  return out;
}

FakeBorderLine FakeBorderLine::Resolved() const {
  FakeBorderLine out;
  out.lineStyle = lineStyle.value_or(weight || color ? kXlContinuous : kXlNone);
  out.weight = weight.value_or(kXlThin);
  out.color = color.value_or(0);
  return out;
}

const std::array<int32_t, 56>& DefaultPalette() {
  // Written as 0xRRGGBB for reading; Excel's values have red in the low byte.
  static const std::array<int32_t, 56> palette = [] {
    const uint32_t rgb[56] = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
        0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
        0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
        0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
        0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
        0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
        0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};
    std::array<int32_t, 56> out{};
    for (size_t i = 0; i < 56; ++i) {
      const uint32_t c = rgb[i];
      out[i] = static_cast<int32_t>(((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16));
    }
    return out;
  }();
  return palette;
}

int32_t NearestPaletteIndex(int32_t rgb) {
  int32_t best = 1;
  long bestDistance = -1;
  for (size_t i = 0; i < 56; ++i) {
    const int32_t c = DefaultPalette()[i];
    long distance = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const long d = ((c >> shift) & 0xFF) - ((rgb >> shift) & 0xFF);
      distance += d * d;
    }
    if (bestDistance < 0 || distance < bestDistance) {
      best = static_cast<int32_t>(i + 1);
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace vk::fake
