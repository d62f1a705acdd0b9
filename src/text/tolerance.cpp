#include "text/tolerance.h"

#include <cmath>

namespace vk {

int DoubleEqual(double a, double b) { return std::fabs(a - b) < kTolerance ? 1 : 0; }
int DoubleGreater(double a, double b) { return a - b > kTolerance ? 1 : 0; }
int DoubleLess(double a, double b) { return b - a > kTolerance ? 1 : 0; }
int DoubleLessEqual(double a, double b) { return b - a > -kTolerance ? 1 : 0; }

}  // namespace vk
