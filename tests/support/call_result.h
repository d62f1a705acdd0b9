#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "automation/automation_object.h"
#include "automation/com_error.h"

namespace vk::test {

// The HRESULT a call fails with, S_OK when it does not.
inline int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e.Error();
  }
  return kSOk;
}

// The object a result holds; a test failure when it holds none.
inline ObjectPtr Obj(const Variant& value) {
  EXPECT_TRUE(value.IsObject());
  return value.ObjectValue();
}

}  // namespace vk::test
