#pragma once
#include <string_view>

#include "excel/shape.h"
#include "link/shape_record.h"

namespace vk {

// Whether a text shape's plain text is rebuilt paragraph by paragraph: more than 10 characters
// and at least two line feeds (the first and the last at different places). Two lines stay
// plain however long they are.
bool WantsParagraphText(std::u16string_view text);

// Rebuilds the shape's text from its TextFrame2 as MText (see MTextWriter) in the record's font
// and puts it in the record's text. True when it did; on any failure it returns false and the
// record keeps the plain text it had. Never throws.
bool BuildParagraphText(ShapeRecord& record, const excel::Shape& shape);

}  // namespace vk
