#pragma once
#include <cstddef>
#include <memory>

#include "automation/automation_object.h"
#include "fake_shape_text.h"

namespace vk::fake {

class FakeExcel;

// Office's TextRange2 over `count` paragraphs of a shape's text from the 0-based `first`, with
// its Font2, ParagraphFormat2 and BulletFormat2.
ObjectPtr MakeFakeTextRange2(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text,
                             size_t first, size_t count);

}  // namespace vk::fake
