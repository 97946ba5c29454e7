// One combination found by a module search.
#pragma once

#include <cstdint>

struct ModuleRow {
    double module = 0.0;  // normal module, mm
    int64_t z1 = 0;
    int64_t z2 = 0;
    double beta = 0.0;  // helix angle, degrees
    double actualRatio = 0.0;
    double ratioDeviation = 0.0;  // %
    double shift = 0.0;           // sum x of a pair, x2 - x1 of an internal pair
    double sortKey = 0.0;
};
