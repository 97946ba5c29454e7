// The module series of DIN 780, in mm.
#pragma once

#include <array>

// Series 1, the preferred modules.
inline constexpr std::array<double, 34> kModuleSeries1 = {
    0.05, 0.06, 0.08, 0.1, 0.12, 0.16, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1,  1.25,
    1.5,  2,    2.5,  3,   4,    5,    6,   8,    10,  12,  16,  20,  25,  32,  40,  50, 60};
// Series 2, the non-preferred modules.
inline constexpr std::array<double, 34> kModuleSeries2 = {
    0.055, 0.07, 0.09, 0.11,  0.14,  0.18, 0.22, 0.28, 0.35, 0.45, 0.55, 0.65,
    0.75,  0.85, 0.95, 1.125, 1.375, 1.75, 2.25, 2.75, 3.5,  4.5,  5.5,  7,
    9,     11,   14,   18,    22,    28,   36,   45,   55,   70};
