// Mesh quantities and the line of action of a gear pair.
#pragma once

#include "geometry/gear_data.h"

struct PairData {
    Point t1;                 // tangent point T1 on the base circle of gear 1, mm
    Point direction;          // unit vector from T1 toward the mating gear
    double lengthT1T2 = 0.0;  // mm
    double posA = 0.0;        // start of contact, from T1 along the line, mm
    double posB = 0.0;
    double posC = 0.0;  // pitch point
    double posD = 0.0;
    double posE = 0.0;  // end of contact
    double rw1 = 0.0;   // operating pitch radii, mm
    double rw2 = 0.0;
    double alphaW = 0.0;  // transverse operating pressure angle, rad
    int contactCount = 0;
    double contacts[4] = {0.0, 0.0, 0.0, 0.0};
};

// External pair: gear 1 at the origin, gear 2 at (a, 0); phi is the rotation of gear 1.
void LineOfActionExternal(const GearData& gear1, const GearData& gear2, double a, double phi,
                          PairData& out);
// Transverse contact ratio of an external pair at centre distance a.
double TransverseContactRatio(const GearData& gear1, const GearData& gear2, double a);
// Tip shortening coefficient k = (z1 + z2) / (2 cos beta) + sum x - a / mn, at least 0.
double TipShorteningCoefficient(int64_t z1, int64_t z2, double betaRad, double shiftSum, double a,
                                double mn);
