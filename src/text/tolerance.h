#pragma once

namespace vk {

// Comparisons of measurements (points, degrees, scale factors) with one absolute tolerance,
// 1e-6, answering 1 or 0 as the product's callers test them.
inline constexpr double kTolerance = 1e-6;

int DoubleEqual(double a, double b);      // |a - b| < 1e-6
int DoubleGreater(double a, double b);    // a - b > 1e-6
int DoubleLess(double a, double b);       // b - a > 1e-6
int DoubleLessEqual(double a, double b);  // b - a > -1e-6

}  // namespace vk
