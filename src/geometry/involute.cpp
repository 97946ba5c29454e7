// Involute helpers shared by every geometry routine: the involute function and its inverse,
// the angular tooth thickness at a radius, the overlap ratio and the hand of the helix.
#include "geometry/involute.h"

#include <cmath>
#include <numbers>

#include "texts/text_table.h"

double Involute(double alpha) {
    return std::tan(alpha) - alpha;
}

double InverseInvolute(double v) {
    // A flank has no point whose involute is zero or negative above the base circle; the
    // base circle itself (pressure angle 0) is the nearest answer, and Newton's step would
    // divide by tan^2(0) there.
    if (!(v > 0.0)) {
        return 0.0;
    }
    // (3v)^(1/3) is the small-angle solution of tan a - a = a^3/3 + ...; thirty Newton
    // steps from there reach full double precision for every pressure angle a gear uses.
    double alpha = std::cbrt(3.0 * v);
    for (int i = 0; i < 30; ++i) {
        const double t = std::tan(alpha);
        alpha -= (t - alpha - v) / (t * t);
    }
    return alpha;
}

double HalfToothAngle(const GearData& gear, double R) {
    // Below the base circle there is no involute; the flank continues radially.
    const double rr = R < gear.rb ? gear.rb : R;
    const double alphaR = std::acos(gear.rb / rr);
    return gear.st / (2.0 * gear.r) + Involute(gear.alphaT) - Involute(alphaR);
}

Point FlankPoint(const GearData& gear, double R) {
    const double psi = HalfToothAngle(gear, R);
    return Point{R * std::cos(psi), R * std::sin(psi)};
}

double OverlapRatio(const GearData& gear) {
    return gear.b * std::sin(gear.beta) / (std::numbers::pi * gear.mn);
}

const std::string& HandText(const TextTable& texts, long long hand) {
    return texts(hand < 0 ? TextId::kHandLeft : TextId::kHandRight);
}
