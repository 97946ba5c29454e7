// The search for module and tooth-number combinations that fit a centre distance and ratio.
#include "search/module_search.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/app.h"
#include "app/platform.h"
#include "geometry/involute.h"
#include "search/module_series.h"
#include "texts/text_table.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr int64_t kMaxTeeth = 400;

void SearchSeries(const PairSearchInput& in, const double* modules, size_t count,
                  std::vector<ModuleRow>& rows) {
    const double alphaN = in.alphaN * kDegree;
    for (size_t s = 0; s < count; ++s) {
        const double m = modules[s];
        for (int64_t z1 = in.zMin; z1 <= kMaxTeeth; ++z1) {
            const int64_t z2 = static_cast<int64_t>(std::round(static_cast<double>(z1) * in.i));
            if (z2 < in.zMin || z2 > kMaxTeeth) {
                continue;
            }
            const double actual = static_cast<double>(z2) / static_cast<double>(z1);
            const bool ratioFits = std::fabs(actual - in.i) / in.i <= in.tolerance + 1e-12;
            const double zSum = static_cast<double>(z1 + z2);
            double beta = in.beta;
            double shift = 0.0;
            if (in.betaSearch) {
                // The helix angle at which the reference centre distance equals a.
                const double cosBeta = m * zSum / (2.0 * in.a);
                if (cosBeta > 1.0) {
                    break;  // larger z1 only make it larger
                }
                if (!ratioFits) {
                    continue;
                }
                beta = std::acos(cosBeta) / kDegree;
                if (beta > in.beta + 1e-9) {
                    continue;
                }
            } else {
                const double cosB = std::cos(in.beta * kDegree);
                const double alphaT = std::atan(std::tan(alphaN) / cosB);
                const double a0 = m * zSum / (2.0 * cosB);
                if (a0 > 1.2 * in.a) {
                    break;
                }
                if (!ratioFits) {
                    continue;
                }
                const double cosAlphaW = a0 * std::cos(alphaT) / in.a;
                if (cosAlphaW >= 1.0) {
                    continue;  // a is not above the reference centre distance here
                }
                const double alphaW = std::acos(cosAlphaW);
                shift = (Involute(alphaW) - Involute(alphaT)) * zSum / (2.0 * std::tan(alphaN));
                if (shift < in.shiftMin - 1e-9 || shift > in.shiftMax + 1e-9) {
                    continue;
                }
            }
            ModuleRow row;
            row.module = m;
            row.z1 = z1;
            row.z2 = z2;
            row.beta = beta;
            row.actualRatio = actual;
            row.ratioDeviation = (actual - in.i) / in.i * 100.0;
            row.shift = shift;
            row.sortKey = m * 10000.0 + std::fabs(shift) + beta * 0.001;
            rows.push_back(row);
        }
    }
}

}  // namespace

bool PairSearchInputValid(const PairSearchInput& in) {
    return in.a > 0.0 && in.i > 0.0 && in.alphaN >= 10.0 && in.alphaN <= 35.0 && in.zMin >= 3 &&
           in.beta >= 0.0 && in.beta <= 45.0;
}

std::vector<ModuleRow> FindPairModules(const PairSearchInput& in) {
    std::vector<ModuleRow> rows;
    if (!PairSearchInputValid(in)) {
        return rows;
    }
    SearchSeries(in, kModuleSeries1.data(), kModuleSeries1.size(), rows);
    if (in.series2) {
        SearchSeries(in, kModuleSeries2.data(), kModuleSeries2.size(), rows);
    }
    // Equal keys keep the order found: series 1 first, smaller modules and z1 first.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ModuleRow& l, const ModuleRow& r) { return l.sortKey < r.sortKey; });
    return rows;
}

void SearchPairModules(AppState& state) {
    PairSearchInput in;
    in.a = ReadNumberField(state, ctl::kPairCentreDistance);
    in.i = ReadNumberField(state, ctl::kPairRatio);
    in.alphaN = ReadNumberField(state, ctl::kPairPressureAngle);
    in.tolerance = ReadNumberField(state, ctl::kPairTolerance) / 100.0;
    in.shiftMin = ReadNumberField(state, ctl::kPairShiftMin);
    in.shiftMax = ReadNumberField(state, ctl::kPairShiftMax);
    in.zMin = ReadIntegerField(state, ctl::kPairZMin);
    in.beta = ReadNumberField(state, ctl::kPairBeta);
    in.betaSearch = state.ui.Get(ctl::kPairBetaSearch).state != 0;
    in.series2 = state.ui.Get(ctl::kPairSeries2).state != 0;

    // The old result goes before the inputs are checked: an invalid input leaves an empty list.
    state.pairRows.clear();
    state.pairSel = -1;
    FillResultList(state, ctl::kPairList, state.pairRows);

    const TextTable& texts = *state.texts;
    if (!PairSearchInputValid(in)) {
        state.platform->ShowMessage(texts(TextId::kMessageTitle), texts(TextId::kSearchCheckInputs),
                                    MessageIcon::Warning);
        return;
    }
    state.pairRows = FindPairModules(in);
    FillResultList(state, ctl::kPairList, state.pairRows);
    if (state.pairRows.empty()) {
        state.platform->ShowMessage(
            texts(TextId::kMessageTitle),
            texts(in.betaSearch ? TextId::kSearchNoneBeta : TextId::kSearchNoneShift),
            MessageIcon::Information);
    }
}
