// The module search of the Pair tab and the undercut limit used by the x1 proposal.
#include "search/module_search.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/app.h"
#include "support/scripted_platform.h"
#include "texts/text_table.h"

namespace {

PairSearchInput Defaults() {
    PairSearchInput in;
    in.a = 60.0;
    in.i = 2.0;
    in.alphaN = 20.0;
    in.tolerance = 0.02;
    in.shiftMin = -0.5;
    in.shiftMax = 1.0;
    in.zMin = 12;
    in.beta = 0.0;
    return in;
}

const ModuleRow* Find(const std::vector<ModuleRow>& rows, double m, int64_t z1) {
    for (const ModuleRow& row : rows) {
        if (row.module == m && row.z1 == z1) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

TEST(PairSearch, DefaultInputsGiveFifteenExactRatios) {
    const std::vector<ModuleRow> rows = FindPairModules(Defaults());
    ASSERT_EQ(rows.size(), 15u);
    for (const ModuleRow& row : rows) {
        EXPECT_EQ(row.z2, 2 * row.z1);
        EXPECT_EQ(row.ratioDeviation, 0.0);
        // The centre distance fits with the listed shift sum at this module.
        EXPECT_GE(row.shift, -0.5 - 1e-9);
        EXPECT_LE(row.shift, 1.0 + 1e-9);
    }
    EXPECT_EQ(rows.front().module, 0.2);
    EXPECT_EQ(rows.front().z1, 200);
    EXPECT_EQ(rows.front().shift, 0.0);
    EXPECT_EQ(rows.back().module, 3.0);
    EXPECT_EQ(rows.back().z1, 13);
    EXPECT_NEAR(rows.back().shift, 0.545, 5e-4);
    ASSERT_NE(Find(rows, 0.3, 133), nullptr);
    EXPECT_NEAR(Find(rows, 0.3, 133)->shift, 0.505, 5e-4);
    ASSERT_NE(Find(rows, 2.0, 20), nullptr);
    EXPECT_NEAR(Find(rows, 2.0, 20)->shift, 0.0, 1e-12);
}

TEST(PairSearch, HelixSearchFitsTheCentreDistanceWithoutShift) {
    PairSearchInput in = Defaults();
    in.betaSearch = true;
    in.beta = 20.0;
    const std::vector<ModuleRow> rows = FindPairModules(in);
    ASSERT_EQ(rows.size(), 68u);
    EXPECT_EQ(rows[0].z1, 200);
    EXPECT_EQ(rows[0].beta, 0.0);
    EXPECT_EQ(rows[1].z1, 199);
    EXPECT_NEAR(rows[1].beta, 5.732, 5e-4);
    for (const ModuleRow& row : rows) {
        EXPECT_EQ(row.shift, 0.0);
        EXPECT_NEAR(row.module * (row.z1 + row.z2) / (2.0 * std::cos(row.beta * M_PI / 180.0)),
                    60.0, 1e-9);
    }
    // m = 2, z1 = 19 needs β ≈ 18.19°: in with a maximum of 20°, out with 18°.
    ASSERT_NE(Find(rows, 2.0, 19), nullptr);
    EXPECT_NEAR(Find(rows, 2.0, 19)->beta, 18.195, 1e-3);
    in.beta = 18.0;
    EXPECT_EQ(Find(FindPairModules(in), 2.0, 19), nullptr);
}

TEST(PairSearch, SortsByModuleThenShiftThenHelixAngle) {
    PairSearchInput in = Defaults();
    in.series2 = true;
    in.tolerance = 0.05;
    const std::vector<ModuleRow> rows = FindPairModules(in);
    ASSERT_GT(rows.size(), 15u);
    for (size_t k = 1; k < rows.size(); ++k) {
        EXPECT_LE(rows[k - 1].sortKey, rows[k].sortKey);
        EXPECT_LE(rows[k - 1].module, rows[k].module);
    }
    bool series2 = false;
    for (const ModuleRow& row : rows) {
        series2 = series2 || row.module == 0.22 || row.module == 2.25 || row.module == 1.75;
    }
    EXPECT_TRUE(series2);
}

TEST(PairSearch, LimitsOfTheInputs) {
    const struct {
        const char* name;
        void (*change)(PairSearchInput&);
        bool valid;
    } kCases[] = {
        {"z min 2 is rejected", [](PairSearchInput& in) { in.zMin = 2; }, false},
        {"z min 3 is accepted", [](PairSearchInput& in) { in.zMin = 3; }, true},
        {"pressure angle 9.9", [](PairSearchInput& in) { in.alphaN = 9.9; }, false},
        {"pressure angle 35", [](PairSearchInput& in) { in.alphaN = 35.0; }, true},
        {"helix angle 45.1", [](PairSearchInput& in) { in.beta = 45.1; }, false},
        {"negative helix angle", [](PairSearchInput& in) { in.beta = -1.0; }, false},
        {"zero centre distance", [](PairSearchInput& in) { in.a = 0.0; }, false},
        {"zero ratio", [](PairSearchInput& in) { in.i = 0.0; }, false},
    };
    for (const auto& c : kCases) {
        PairSearchInput in = Defaults();
        c.change(in);
        EXPECT_EQ(PairSearchInputValid(in), c.valid) << c.name;
    }
}

TEST(PairSearch, ToleranceZeroKeepsOnlyExactRatios) {
    PairSearchInput in = Defaults();
    in.i = 2.5;
    in.tolerance = 0.0;
    for (const ModuleRow& row : FindPairModules(in)) {
        EXPECT_EQ(row.z2 * 2, row.z1 * 5);
    }
    in.tolerance = 0.02;
    bool inexact = false;
    for (const ModuleRow& row : FindPairModules(in)) {
        inexact = inexact || row.z2 * 2 != row.z1 * 5;
    }
    EXPECT_TRUE(inexact);
}

TEST(PairSearch, TeethBeyondFourHundredSkipOnlyThoseRows) {
    // With i = 3.3 every z1 above 121 would need more than 400 teeth on gear 2.
    PairSearchInput in = Defaults();
    in.i = 3.3;
    in.a = 100.0;
    for (const ModuleRow& row : FindPairModules(in)) {
        EXPECT_LE(row.z2, 400);
    }
    EXPECT_FALSE(FindPairModules(in).empty());
}

TEST(PairSearch, UndercutLimit) {
    EXPECT_NEAR(UndercutLimitShift(12, 20.0, 0.0), 0.2981, 1e-4);
    EXPECT_NEAR(UndercutLimitShift(24, 20.0, 0.0), -0.404, 1e-3);
    EXPECT_NEAR(UndercutLimitShift(17, 20.0, 0.0), 0.0057, 1e-4);
    EXPECT_NEAR(UndercutLimitShift(20, 20.0, 15.0), -0.2872, 1e-4);
}

TEST(PairSearch, FailedSearchesLeaveAnEmptyListAndSayWhy) {
    ScriptedPlatform platform;
    AppState state;
    StartUp(state, EnglishTexts(), platform, {});
    const struct {
        int id;
        const char* text;
        bool betaSearch;
        const char* message;
    } kCases[] = {
        {ctl::kPairZMin, "2", false,
         "Check centre distance, ratio, pressure angle (10..35), β (0..45) and z min."},
        {ctl::kPairRatio, "2.013", false,
         "No combinations found. Increase the tolerance or the limits of Σx."},
        {ctl::kPairRatio, "2.013", true,
         "No combinations found. Increase the tolerance or the maximum β."},
    };
    for (const auto& c : kCases) {
        state = AppState{};
        platform.messages.clear();
        StartUp(state, EnglishTexts(), platform, {});
        state.ui.SetText(ctl::kPairTolerance, "0");
        state.ui.SetText(c.id, c.text);
        state.ui.SetState(ctl::kPairBetaSearch, c.betaSearch ? 1 : 0);
        SearchPairModules(state);
        EXPECT_TRUE(state.pairRows.empty());
        EXPECT_EQ(state.pairSel, -1);
        EXPECT_TRUE(state.ui.Get(ctl::kPairList).rows.empty());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].title, "Dentaro");
    }
}
