// Inspection dimensions of a finished gear: span measurement and dimension over balls.
#pragma once

#include "geometry/gear_data.h"

// Span number, base tangent length, ball size and dimension over balls of an external gear.
void ComputeExternalInspection(GearData& gear);
