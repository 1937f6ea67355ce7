#pragma once
// The program-wide constant pi, 4 x arctangent(1), used for every degree/radian conversion.
inline constexpr double PI = 3.14159265358979323846;
