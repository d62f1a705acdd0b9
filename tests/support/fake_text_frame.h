#pragma once
#include <memory>

#include "automation/automation_object.h"
#include "fake_shape_text.h"

namespace vk::fake {

class FakeExcel;

// The stand-in TextFrame and TextFrame2 of a shape with this text; the fake Shape hands them
// out. Both read the text as it is at the time of each call.
ObjectPtr MakeFakeTextFrame(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text);
ObjectPtr MakeFakeTextFrame2(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text);

}  // namespace vk::fake
