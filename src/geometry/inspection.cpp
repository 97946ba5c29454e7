// Inspection dimensions of a finished external gear: span number and base tangent length, and
// the ball or pin size with the dimension over two balls. Both include the thickness allowance.
#include "geometry/inspection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "geometry/involute.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Ball diameters come in steps of 0.05 mm, and of 0.01 mm below 1 mm.
double RoundBallDiameter(double d) {
    const double step = d < 1.0 ? 0.01 : 0.05;
    double rounded = std::round(d / step) * step;
    if (!(rounded > 0.0)) {
        rounded = step;
    }
    return rounded;
}

}  // namespace

void ComputeExternalInspection(GearData& gear) {
    const double z = static_cast<double>(gear.z);
    const double mn = gear.mn;
    const double cosAlphaN = std::cos(gear.alphaN);
    const double invAlphaN = Involute(gear.alphaN);
    const double invAlphaT = Involute(gear.alphaT);
    const double cosBetaB = std::cos(gear.betaB);

    // Span measurement on the virtual spur gear that has the same involute in the normal
    // section; the caliper should touch near the middle of the flank (the circle x mn
    // outside the reference circle).
    const double zv = z * invAlphaT / invAlphaN;
    const double denominator = zv + 2.0 * gear.x;
    const double cosAlphaX = zv * cosAlphaN / denominator;
    // A strongly negative shift puts that circle inside the base circle, where no involute
    // is measured; the caliper then spans as few teeth as it can (pressure angle 0).
    const double alphaX = denominator > 0.0 && cosAlphaX < 1.0 ? std::acos(cosAlphaX) : 0.0;
    const double spanRaw = std::round(zv * alphaX / kPi + 0.5);
    const double spanMax = z - 1.0;
    gear.kSpan = static_cast<int64_t>(std::clamp(spanRaw, 1.0, spanMax));
    gear.Wk = (gear.rb * (gear.st / gear.r + 2.0 * invAlphaT) +
               static_cast<double>(gear.kSpan - 1) * kPi * gear.mt * std::cos(gear.alphaT)) *
              cosBetaB;
    const double halfSpanTransverse = gear.Wk / (2.0 * cosBetaB);
    gear.rWk = std::sqrt(gear.rb * gear.rb + halfSpanTransverse * halfSpanTransverse);
    gear.bMinWk = gear.Wk * std::sin(gear.betaB);

    // Ball size on the virtual spur gear: the ball should touch the flank on the circle
    // x mn outside the reference circle, or halfway up the flank when that lies inside the
    // base circle.
    const double rn = zv * mn / 2.0;
    const double rbn = rn * cosAlphaN;
    const double sn = mn * (kPi / 2.0 + 2.0 * gear.xE * std::tan(gear.alphaN));
    double ry = rn + gear.x * mn;
    if (rbn >= ry) {
        ry = rbn + (gear.ra - gear.r) / 2.0 + mn;
    }
    const double alphaY = std::acos(std::min(rbn / ry, 1.0));
    const double tanAlphaY = std::tan(alphaY);
    // Pressure angle at the ball centre, which lies on the space centre line.
    const double alphaM = tanAlphaY - invAlphaN - sn / (2.0 * rn) + kPi / zv;
    const double dBall = RoundBallDiameter(2.0 * rbn * (std::tan(alphaM) - tanAlphaY));
    gear.dBall = dBall;

    // Where the ball of that size sits in the real gear, transverse section.
    const double invAlphaMt =
        dBall / (2.0 * gear.rb * cosBetaB) + invAlphaT + gear.st / (2.0 * gear.r) - kPi / z;
    const double alphaMt = InverseInvolute(invAlphaMt);
    const double rM = gear.rb / std::cos(alphaMt);
    // With an odd number of teeth the two balls sit in spaces half a pitch off opposite.
    gear.Mball = (gear.z % 2 == 0 ? 2.0 * rM : 2.0 * rM * std::cos(kPi / (2.0 * z))) + dBall;
    const double contactRoll = gear.rb * std::tan(alphaMt) - dBall / (2.0 * cosBetaB);
    gear.rBallContact = std::sqrt(gear.rb * gear.rb + contactRoll * contactRoll);
    // Balls that stay below the tip circle cannot be measured over.
    gear.ballProtrudes = gear.ra < rM + dBall / 2.0 ? 1 : 0;
}
