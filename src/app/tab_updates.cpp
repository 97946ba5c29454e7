// The Single and Pair tab updates and the set-up of an external gear record.
#include "app/tab_updates.h"

#include <cmath>
#include <numbers>

#include "app/app.h"
#include "app/format.h"
#include "geometry/external_outline.h"
#include "geometry/pair_geometry.h"
#include "hub/keyway.h"
#include "report/report.h"
#include "texts/text_table.h"
#include "view/refresh_view.h"
#include "view/zoom_pan.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

void SetExternalGear(GearData& gear, double m, int64_t z, double x, double alphaNDeg, double b,
                     double bore, double k, double betaDeg, int64_t hand) {
    gear.mn = m;
    gear.z = z;
    gear.x = x;
    gear.alphaN = alphaNDeg * kDegree;
    // The direction of the helix is carried by the hand alone.
    gear.beta = std::fabs(betaDeg) * kDegree;
    gear.hand = hand == 0 ? 1 : hand;
    gear.b = b;
    gear.bore = bore;
    gear.k = k;
    gear.As = 0.0;
    gear.hubSide = 0;
    gear.hubDiameter = 0.0;
    gear.hubLength = 0.0;
    gear.keyWidth = 0.0;
    gear.keyDepthHub = 0.0;
    gear.keyHeight = 0.0;
    gear.keyIsStandard = 0;
    gear.haStar = kHaStar;
    gear.hfStar = kHfStar;
    gear.rhoStar = kRhoStar;
}

void UpdateSingleTab(AppState& state, bool fit) {
    const double m = ReadNumberField(state, ctl::kSingleModule);
    const int64_t z = ReadIntegerField(state, ctl::kSingleTeeth);
    const double alphaN = ReadNumberField(state, ctl::kSinglePressureAngle);
    const double beta = ReadNumberField(state, ctl::kSingleBeta);
    // Outside these limits the last valid gear stays on screen, without a message.
    if (!(m > 0.0) || z < 3 || z > 1000 || !(alphaN >= 10.0 && alphaN <= 35.0) ||
        !(beta >= 0.0 && beta <= 45.0)) {
        return;
    }
    SetExternalGear(state.gear1, m, z, ReadNumberField(state, ctl::kSingleShift), alphaN,
                    ReadNumberField(state, ctl::kSingleFaceWidth),
                    ReadNumberField(state, ctl::kSingleBore), 0.0, beta,
                    HandSign(state, ctl::kSingleHand));
    state.gear1.As = ReadNumberField(state, ctl::kSingleAllowance);
    GenerateExternalGear(state.gear1, 1);
    ValidateHubAndKeyway(state.ui, *state.texts, state.gear1, 0);
    if (state.viewMode != ViewMode::Single) {
        fit = true;
    }
    state.viewMode = ViewMode::Single;
    if (fit) {
        FitView(state);
    }
    RefreshReport(state);
    RefreshView(state);
}

void UpdatePairTab(AppState& state, bool fit) {
    const double alphaN = ReadNumberField(state, ctl::kPairPressureAngle);
    const int hand = HandSign(state, ctl::kPairHand);
    if (state.pairSel < 0 || state.pairSel >= static_cast<int64_t>(state.pairRows.size())) {
        return;
    }
    const ModuleRow row = state.pairRows[static_cast<size_t>(state.pairSel)];
    const double a = ReadNumberField(state, ctl::kPairCentreDistance);
    state.pairCentreDistance = a;
    state.pairShiftSum = row.shift;

    const double x1 = ReadNumberField(state, ctl::kPairX1);
    const double x2 = row.shift - x1;
    state.ui.SetText(ctl::kPairX2Label, (*state.texts)(TextId::kLblX2Prefix) + FormatFixed(x2, 4));

    // k·m is what the reference centre distance plus the shift exceeds the typed centre
    // distance by; both gears lose it at the tip.
    const double k =
        TipShorteningCoefficient(row.z1, row.z2, row.beta * kDegree, row.shift, a, row.module);
    const double b = ReadNumberField(state, ctl::kPairFaceWidth);
    SetExternalGear(state.gear1, row.module, row.z1, x1, alphaN, b,
                    ReadNumberField(state, ctl::kPairBore1), k, row.beta, hand);
    SetExternalGear(state.gear2, row.module, row.z2, x2, alphaN, b,
                    ReadNumberField(state, ctl::kPairBore2), k, row.beta, -hand);
    // The backlash is cut in equal halves from both gears.
    const double allowance =
        ReadNumberField(state, ctl::kPairBacklash) / (2.0 * std::cos(alphaN * kDegree));
    state.gear1.As = allowance;
    state.gear2.As = allowance;
    GenerateExternalGear(state.gear1, 1);
    GenerateExternalGear(state.gear2, 1);
    ValidateHubAndKeyway(state.ui, *state.texts, state.gear1, 0);
    ValidateHubAndKeyway(state.ui, *state.texts, state.gear2, 1);

    state.viewMode = ViewMode::Pair;
    if (fit) {
        FitView(state);
    }
    RefreshReport(state);
    RefreshView(state);
}

void UpdateActiveTab(AppState& state) {
    switch (static_cast<GearTab>(state.ui.Get(ctl::kTabs).state)) {
        case GearTab::Pair:
            UpdatePairTab(state, false);
            break;
        case GearTab::Single:
            UpdateSingleTab(state, false);
            break;
        case GearTab::Rack:
        case GearTab::Internal:
            // The rack pair and the internal pair are not computed by this version.
            break;
    }
}
