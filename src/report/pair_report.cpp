// The report of an external gear pair: mesh data at the typed centre distance, then the
// data blocks of both gears.
#include <cmath>
#include <numbers>
#include <string>

#include "app/format.h"
#include "geometry/involute.h"
#include "geometry/pair_geometry.h"
#include "report/report.h"
#include "texts/text_table.h"

namespace {

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// Below this total contact ratio the mesh runs rough: too little overlap of the tooth pairs.
constexpr double kMinContactRatio = 1.1;

}  // namespace

std::string PairReport(const AppState& state) {
    const TextTable& texts = *state.texts;
    const GearData& g1 = state.gear1;
    const GearData& g2 = state.gear2;

    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };
    auto F = [](double v, int decimals) { return FormatFixed(v, decimals); };

    const double a = state.pairCentreDistance;
    const double a0 = g1.mt * static_cast<double>(g1.z + g2.z) / 2.0;
    const double alphaW = std::acos((g1.rb + g2.rb) / a);
    const double epsAlpha = TransverseContactRatio(g1, g2, a);
    PairData pair;
    LineOfActionExternal(g1, g2, a, 0.0, pair);
    const bool helical = g1.beta > 0.0;
    const double epsBeta = helical ? OverlapRatio(g1) : 0.0;
    const double jn = (g1.As + g2.As) * std::cos(g1.alphaN);
    const double jt = jn / (std::cos(alphaW) * std::cos(g1.betaB));

    line(texts(TextId::kRepPairTitle));
    line(Fill(texts(TextId::kRepCentreDistance), {F(a, 3)}));
    line(Fill(texts(TextId::kRepReferenceCentreDistance), {F(a0, 3)}));
    line(Fill(texts(TextId::kRepRatio),
              {F(static_cast<double>(g2.z) / static_cast<double>(g1.z), 4)}));
    if (helical) {
        line(Fill(texts(TextId::kRepPairHelix),
                  {F(Degrees(g1.beta), 3), HandText(texts, g1.hand), HandText(texts, g2.hand)}));
    }
    line(Fill(texts(TextId::kRepOperatingPressureAngle), {F(Degrees(alphaW), 3)}));
    line(Fill(texts(TextId::kRepShiftSum), {F(g1.x + g2.x, 4)}));
    line(Fill(texts(TextId::kRepTipShortening), {F(g1.k * g1.mn, 3)}));
    line(Fill(texts(TextId::kRepNormalBacklash), {F(jn, 4)}));
    line(Fill(texts(TextId::kRepCircumferentialBacklash), {F(jt, 4)}));
    line(Fill(texts(TextId::kRepPathOfContact), {F(pair.posE - pair.posA, 3)}));
    line(Fill(texts(TextId::kRepTransverseContactRatio), {F(epsAlpha, 3)}));
    if (helical) {
        line(Fill(texts(TextId::kRepOverlapRatio), {F(epsBeta, 3)}));
        line(Fill(texts(TextId::kRepTotalContactRatio), {F(epsAlpha + epsBeta, 3)}));
    }
    // Written so that a contact ratio that cannot be computed (a centre distance the base
    // circles cannot reach) is flagged as well, not passed over silently.
    if (!(epsAlpha + epsBeta >= kMinContactRatio)) {
        line(texts(TextId::kRepContactRatioTooSmall));
    }
    line("");
    out += GearDataBlock(g1, texts(TextId::kRepPairGear1Title), texts);
    line("");
    out += GearDataBlock(g2, texts(TextId::kRepPairGear2Title), texts);
    return out;
}
