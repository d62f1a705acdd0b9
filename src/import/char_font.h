#pragma once
#include <string>

namespace vk {

// The font of one stretch of rich text, as the run list describes it to the receiver.
class CCharFont {
 public:
  virtual ~CCharFont() = default;

  // "%s|%d|b%d|i%d|u%d|s%d|%d": name, size, bold, italic, underline, script, position.
  std::u16string Format() const;
  // Same look: names compared ignoring case; the position does not count.
  bool Equals(const CCharFont& other) const;
  // Takes the other's look and keeps its own position.
  void TakeStyle(const CCharFont& other);

  std::u16string name;
  bool bold = false;
  bool italic = false;
  bool underline = false;  // in any style
  int position = -1;       // last character of the run so far, counted in the escaped text
  int script = 0;          // 0 normal, 1 subscript, 2 superscript
  int size = 0;            // whole points
};

}  // namespace vk
