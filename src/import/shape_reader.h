#pragma once
#include <cstdint>
#include <set>
#include <string>

#include "excel/shape.h"
#include "import/area_geometry.h"
#include "import/shape_extent.h"
#include "import/shapes_pass.h"
#include "link/shape_record.h"

namespace vk {

enum class ShapeKind;

// Fills and sends the record of one shape (or of each member of a group) for one run of the
// shapes pass. The record buffer and the extents of the sent shapes live as long as the run.
class ShapeReader {
 public:
  ShapeReader(const ShapesPassContext& context, const AreaGeometry& area, std::u16string sheetName);

  // The record, cleared, with its size set.
  ShapeRecord& ClearRecord();
  // Deletes the picture file written for a shape that then failed, unless the file was there
  // before this import (an earlier import's drawing may still show it).
  void DiscardUnsentFile() noexcept;
  // A sheet's own shape is read with step marks; a member of a group without.
  enum class Owner { Sheet, Group };
  // Reads the type fields the pass fills before handing a shape over.
  void ReadTypeFields(const excel::Shape& shape, Owner owner);
  // Sends one record for the shape, one per member for a group, or nothing. index and count
  // name the shape's picture files.
  void ReadShape(const excel::Shape& shape, int32_t index, int32_t count);

 private:
  bool Filtered();
  void SendOtherKind(const excel::Shape& shape, int32_t index);
  void ReadGroup(const excel::Shape& group, int32_t count);
  bool ReadActiveXCheckBox(const excel::Shape& shape);
  void ReadFormControl(const excel::Shape& shape);
  void ReadKindData(const excel::Shape& shape, ShapeKind kind, const excel::LineFormat& line);
  void ReadArrowheads(const excel::LineFormat& line);
  bool ReadPicture(const excel::Shape& shape, int32_t index);
  void ReadOutlineAndFill(const excel::LineFormat& line, const excel::FillFormat& fill);
  bool ReadText(const excel::Shape& shape);
  int32_t MemberIndex(int32_t wanted);
  void Send();
  void Mark(int32_t step);

  const ShapesPassContext& context_;
  AreaGeometry area_;
  std::u16string sheetName_;
  ShapeRecord record_{};
  CShapeGeoExtArray extents_;
  std::set<int32_t> memberIndexes_;
  std::u16string unsentFile_;  // written for the shape being read, not yet sent
};

}  // namespace vk
