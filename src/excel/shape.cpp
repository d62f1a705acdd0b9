#include "excel/shape.h"

namespace vk::excel {}  // namespace vk::excel
