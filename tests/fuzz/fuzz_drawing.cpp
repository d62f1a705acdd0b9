// Random message sequences into the receiver's drawing model: table starts of any size, cell and
// shape records patched with the fuzzer's bytes (sizes, coordinates, texts without terminators,
// run lists, merge addresses), ends of any reason. It must never fail, and every coordinate of
// the drawing it gives must be a finite number.
#include <cmath>
#include <cstring>
#include <memory>

#include "drawing_builder.h"
#include "fuzz_support.h"
#include "link/cell_record.h"
#include "link/shape_record.h"

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // Copies the next bytes over a part of the record.
  void Patch(uint8_t* record, size_t recordSize) {
    const size_t offset = (static_cast<size_t>(Byte()) << 8 | Byte()) % recordSize;
    size_t length = Byte();
    length = std::min({length, recordSize - offset, size_ - at_});
    std::memcpy(record + offset, data_ + at_, length);
    at_ += length;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void CheckFinite(const vk::draw::Entity& e) {
  for (const vk::draw::Point& p : e.points) vk::fuzz::Check(std::isfinite(p.x) && std::isfinite(p.y));
  vk::fuzz::Check(std::isfinite(e.height) && std::isfinite(e.rotation) && std::isfinite(e.boxWidth));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vk;
  Input in(data, size);
  draw::DrawingOptions options;
  const uint8_t choice = in.Byte();
  options.textObject = choice & 1;
  options.paragraph = (choice & 2) != 0;
  options.borderObject = (choice >> 2) & 1;
  options.explicitSizes = (choice & 8) != 0;
  options.columnWidths = {0, 3, 1e-9};
  options.rowHeights = {2};
  options.insertionPoint = (choice >> 4) & 3;
  options.rotation = (choice & 64) ? 30 : 0;
  options.shiftDescenders = (choice & 128) != 0;
  draw::DrawingBuilder builder(options, [](const std::string&) {});
  auto cell = std::make_unique<CellRecord>();
  ShapeRecord shape;
  int count = 0;
  while (in.More()) {
    switch (in.Byte() % 5) {
      case 0: builder.TableStart(static_cast<int8_t>(in.Byte()), static_cast<int8_t>(in.Byte())); break;
      case 1:
      case 2: {
        std::memset(cell.get(), 0, sizeof(CellRecord));
        cell->size = kCellRecordSize;
        cell->left = 20.0 * (count % 4), cell->top = 10.0 * (count / 4);
        cell->width = cell->mergeWidth = 20, cell->height = cell->mergeHeight = 10, cell->fontSize = 10;
        SetField(cell->address, u"$A$1");
        SetField(cell->mergeAddress, u"$A$1:$B$2");
        SetField(cell->text, u"Ag\n{x}");
        SetField(cell->runs, u"Arial|10|b1|i0|u0|s2|1:Arial|12|b0|i0|u1|s0|6");
        cell->topEdge = cell->leftEdge = EdgeStyle{1, 2, 0, 0, {}};
        ++count;
        for (int patches = in.Byte() % 4; patches > 0; --patches) in.Patch(reinterpret_cast<uint8_t*>(cell.get()), sizeof(CellRecord));
        const size_t cbData = in.Byte() == 0 ? in.Byte() : sizeof(CellRecord);
        builder.Record(cell.get(), cbData);
        break;
      }
      case 3: {
        std::memset(&shape, 0, sizeof shape);
        shape.size = kShapeRecordSize;
        shape.width = 30, shape.height = 10, shape.lineVisible = -1, shape.fillVisible = -1;
        shape.isConnector = 1, shape.connectorType = 2, shape.endArrowheadStyle = 2;
        SetField(shape.text, u"\x0002{\\fArial|b1;x}\\Py");
        for (int patches = in.Byte() % 4; patches > 0; --patches) in.Patch(reinterpret_cast<uint8_t*>(&shape), sizeof shape);
        builder.Record(&shape, sizeof shape);
        break;
      }
      default: {
        const draw::Drawing drawing = builder.End(in.Byte() % 3);
        for (const draw::Entity& e : drawing.entities) CheckFinite(e);
        for (const draw::Block& b : drawing.blocks)
          for (const draw::Entity& e : b.entities) CheckFinite(e);
        count = 0;
        break;
      }
    }
  }
  builder.End(1);
  return 0;
}
