// The result lists of the searches and applying a row of the Pair tab.
#include <cmath>
#include <numbers>

#include "app/app.h"
#include "app/format.h"
#include "app/tab_updates.h"
#include "search/module_search.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

void FillResultList(AppState& state, int listId, const std::vector<ModuleRow>& rows) {
    std::vector<std::vector<std::string>> lines;
    lines.reserve(rows.size());
    for (const ModuleRow& row : rows) {
        lines.push_back({FormatModule(row.module), FormatInteger(row.z1), FormatInteger(row.z2),
                         FormatFixed(row.actualRatio, 3), FormatFixed(row.ratioDeviation, 2),
                         FormatFixed(row.shift, 3), FormatFixed(row.beta, 3)});
    }
    state.ui.SetRows(listId, std::move(lines));
    if (rows.empty()) {
        state.ui.SetState(listId, -1);
    }
}

double UndercutLimitShift(int64_t z, double alphaNDeg, double betaDeg) {
    const double alphaN = alphaNDeg * kDegree;
    const double cosBeta = std::cos(betaDeg * kDegree);
    const double alphaT = std::atan(std::tan(alphaN) / cosBeta);
    const double sinT = std::sin(alphaT);
    return kHfStar - kRhoStar * (1.0 - std::sin(alphaN)) -
           static_cast<double>(z) * sinT * sinT / (2.0 * cosBeta);
}

void ApplyPairRow(AppState& state, int64_t index) {
    const double alphaN = ReadNumberField(state, ctl::kPairPressureAngle);
    if (index < 0 || index >= static_cast<int64_t>(state.pairRows.size())) {
        return;
    }
    state.pairSel = index;
    const ModuleRow& row = state.pairRows[static_cast<size_t>(index)];
    const double shiftSum = row.shift;

    // Start from an equal split, then give a gear that would be undercut just enough shift,
    // as long as the other gear can spare it.
    double x1 = shiftSum / 2.0;
    const double xMin1 = UndercutLimitShift(row.z1, alphaN, row.beta);
    const double xMin2 = UndercutLimitShift(row.z2, alphaN, row.beta);
    if (xMin1 > x1 && xMin2 <= shiftSum - xMin1) {
        x1 = xMin1;
    }
    const double x2 = shiftSum - x1;
    if (xMin2 > x2 && xMin1 <= shiftSum - xMin2) {
        x1 = shiftSum - xMin2;
    }
    state.ui.SetText(ctl::kPairX1, FormatFixed(x1, 4));
    state.rotationAngle = 0.0;
    UpdatePairTab(state, true);
}
