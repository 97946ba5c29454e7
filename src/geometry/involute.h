// Involute helpers shared by every geometry routine.
#pragma once

#include <string>

#include "geometry/gear_data.h"

struct TextTable;

// inv(alpha) = tan(alpha) - alpha.
double Involute(double alpha);
// The angle whose involute is v (v > 0); 30 Newton steps, no early exit.
double InverseInvolute(double v);
// Half the angular tooth thickness at radius R (a ring: half the angular space width), rad.
double HalfToothAngle(const GearData& gear, double R);
// Flank point at radius R in the frame whose +x axis is the tooth (ring: space) centre line.
Point FlankPoint(const GearData& gear, double R);
// Overlap ratio b sin(beta) / (pi mn) of the pair whose gear 1 this is.
double OverlapRatio(const GearData& gear);
// "left" for hand < 0, otherwise "right", in the language of the table.
const std::string& HandText(const TextTable& texts, long long hand);
