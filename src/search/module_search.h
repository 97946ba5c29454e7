// The module search of the Pair tab, the result lists and applying a pair row.
#pragma once

#include <vector>

#include "app/app_state.h"
#include "search/module_row.h"

// The inputs of a pair search, read from the Pair tab.
struct PairSearchInput {
    double a = 0.0;          // centre distance, mm
    double i = 0.0;          // wanted ratio z2 / z1
    double alphaN = 0.0;     // pressure angle, degrees
    double tolerance = 0.0;  // of the ratio, as a fraction
    double shiftMin = 0.0;
    double shiftMax = 0.0;
    int64_t zMin = 0;
    double beta = 0.0;  // degrees; the maximum in a beta search
    bool betaSearch = false;
    bool series2 = false;
};

bool PairSearchInputValid(const PairSearchInput& in);
// Every module and tooth-number combination that fits, sorted by module, |shift| and beta.
std::vector<ModuleRow> FindPairModules(const PairSearchInput& in);
// Reads the Pair tab, fills pairRows and the result list, resets pairSel, reports nothing found.
void SearchPairModules(AppState& state);
// The list lines of a result list (control 13 or 66) from the rows.
void FillResultList(AppState& state, int listId, const std::vector<ModuleRow>& rows);
// Smallest profile shift without undercut for the basic rack; angles in degrees.
double UndercutLimitShift(int64_t z, double alphaNDeg, double betaDeg);
// Applies a pair row: proposes x1, writes it into its field and updates the pair with a fit.
void ApplyPairRow(AppState& state, int64_t index);
