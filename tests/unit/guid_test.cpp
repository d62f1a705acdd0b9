#include "automation/guid.h"

#include <gtest/gtest.h>

TEST(Guid, PrintsInRegistryForm) {
  EXPECT_EQ(vk::kIidExcelRange.ToString(), u"{00020846-0000-0000-C000-000000000046}");
}
