#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drawing.h"
#include "drawing_options.h"

namespace vk::draw {

// Excel RGB (red in the low byte) as a drawing colour: the exact colour-table entry, or the
// nearest one with the true colour beside it. Black becomes ACI 7, which CAD programs show in
// the background's contrast colour.
Colour ConvertColour(int32_t excelRgb);
// The lineweight (hundredths of a millimetre) nearest to a width in points, among the standard ones.
int LineweightFromPoints(double points);

// Builds one import's drawing from the messages the receiver gets, in their order. Anything that
// cannot be drawn safely is skipped with a line to the log; the rest is still drawn.
class DrawingBuilder {
 public:
  using Log = std::function<void(const std::string&)>;
  DrawingBuilder(DrawingOptions options, Log log);
  ~DrawingBuilder();
  DrawingBuilder(const DrawingBuilder&) = delete;
  DrawingBuilder& operator=(const DrawingBuilder&) = delete;

  void TableStart(int64_t rows, int64_t columns);
  // The data of one WM_COPYDATA message.
  void Record(const void* data, size_t cbData);
  // WM_LINK_END: reason 1 finishes the import and returns its drawing; the builder starts over.
  Drawing End(int64_t reason);

  bool Empty() const;
  const DrawingOptions& Options() const { return options_; }

 private:
  struct Table;
  void Cell(const void* data);
  void Shape(const void* data);
  void FinishTable();
  void Warn(const std::string& text);

  DrawingOptions options_;
  Log log_;
  std::vector<Table> tables_;
  Drawing drawing_;
  double nextTop_ = 0;  // where the next table starts, drawing units below the insertion point
  size_t messages_ = 0;
};

}  // namespace vk::draw
