// The application core without windows: start-up, the modified rule, routing, tab updates
// and the shell services.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "app/app.h"
#include "app/tab_updates.h"
#include "search/module_search.h"
#include "support/scripted_platform.h"
#include "texts/text_table.h"

namespace {

class Shell : public ::testing::Test {
  protected:
    void Start(Lang lang = Lang::En) { StartUp(state, TextsFor(lang), platform, {}); }
    void SetUp() override { Start(); }
    const std::string& Text(int id) const { return state.ui.Get(id).text; }
    const std::string& Report() const { return Text(ctl::kReport); }

    ScriptedPlatform platform;
    AppState state;
};

ModuleRow Row(double m, int64_t z1, int64_t z2, double shift, double beta = 0.0) {
    ModuleRow row;
    row.module = m;
    row.z1 = z1;
    row.z2 = z2;
    row.shift = shift;
    row.beta = beta;
    row.actualRatio = static_cast<double>(z2) / static_cast<double>(z1);
    return row;
}

}  // namespace

TEST_F(Shell, StartsOnTheFirstRowOfTheDefaultSearch) {
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(state.windows[kMainWindow].title,
              "Dentaro - new project   (ISO 53 / DIN 867 / DIN 3960)");
    EXPECT_FALSE(state.modified);
    ASSERT_EQ(state.pairSel, 0);
    EXPECT_EQ(state.ui.Get(ctl::kPairList).state, 0);
    EXPECT_EQ(state.viewMode, ViewMode::Pair);
    EXPECT_DOUBLE_EQ(state.gear1.mn, 0.2);
    EXPECT_EQ(state.gear1.z, 200);
    EXPECT_EQ(state.gear2.z, 400);
    EXPECT_EQ(state.gear2.hand, -state.gear1.hand);
    EXPECT_EQ(Text(ctl::kPairX1), "0.0000");
    EXPECT_EQ(Text(ctl::kPairX2Label), "x2 = 0.0000");
    EXPECT_EQ(Report().rfind("GEAR PAIR\r\n", 0), 0u);
    EXPECT_GT(state.sceneRevision, 0u);
    // Every stored control marks the project; so do the two profile-shift fields.
    EXPECT_EQ(state.fieldTable.size(), 93u);
    EXPECT_EQ(state.fieldTable.front().key, "hartafstand");
    EXPECT_EQ(state.fieldTable.back().key, "stl_tolerantie");
    EXPECT_TRUE(state.projectControls.count(14) && state.projectControls.count(67));
    EXPECT_FALSE(state.projectControls.count(ctl::kRotate));
}

TEST_F(Shell, DutchBuildHasItsOwnTitle) {
    Start(Lang::Nl);
    EXPECT_EQ(state.windows[kMainWindow].title,
              "Dentaro - nieuw project   (ISO 53 / DIN 867 / DIN 3960)");
    EXPECT_EQ(Report().rfind("TANDWIELPAAR\r\n", 0), 0u);
}

TEST_F(Shell, FaceWidthKeystrokeMarksAndRecomputesWithoutRefit) {
    UserSetText(state, ctl::kPairFaceWidth, "1");
    const ViewTransform view = state.view;
    UserSetText(state, ctl::kPairFaceWidth, "12");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.windows[kMainWindow].title,
              "Dentaro - new project *   (ISO 53 / DIN 867 / DIN 3960)");
    EXPECT_DOUBLE_EQ(state.gear1.b, 12.0);
    EXPECT_NE(Report().find("  b  = 12.00"), std::string::npos);
    EXPECT_EQ(state.view.zoom, view.zoom);
    EXPECT_EQ(state.view.centreX, view.centreX);
}

TEST_F(Shell, SearchInputsMarkButRecomputeNothing) {
    const std::string report = Report();
    for (int id : {ctl::kPairCentreDistance, ctl::kPairRatio, ctl::kPairTolerance}) {
        UserSetText(state, id, "7");
    }
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(Report(), report);
    EXPECT_EQ(state.pairSel, 0);
}

TEST_F(Shell, ProgramChangesAreNotUserEdits) {
    const uint64_t revision = state.sceneRevision;
    state.ui.SetText(ctl::kPairFaceWidth, "30");
    state.ui.SetState(ctl::kSingleHand, 1);
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.sceneRevision, revision);
    EXPECT_TRUE(state.ui.dirty.count(ctl::kPairFaceWidth));
}

TEST_F(Shell, NonProjectControlsDoNotMark) {
    UserChoose(state, ctl::kRotate, 1);
    EXPECT_TRUE(state.timerRunning);
    UserClick(state, ctl::kPairCalculate);
    UserChoose(state, ctl::kPairList, 0);
    EXPECT_FALSE(state.modified);
    UserChoose(state, ctl::kRotate, 0);
    EXPECT_FALSE(state.timerRunning);
    UserChoose(state, ctl::kSpeed, 7);  // the speed slider is stored
    EXPECT_TRUE(state.modified);
}

TEST_F(Shell, ChoosingARowAppliesItOnceAndMarks) {
    UserChoose(state, ctl::kPairList, 12);  // m = 2, z1 = 20, z2 = 40
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.pairSel, 12);
    EXPECT_EQ(state.gear1.z, 20);
    EXPECT_NE(Report().find("  εα = 1.635"), std::string::npos);
    // Choosing the applied row again keeps a hand-edited x1.
    UserSetText(state, ctl::kPairX1, "0.25");
    UserChoose(state, ctl::kPairList, 12);
    EXPECT_EQ(Text(ctl::kPairX1), "0.25");
    EXPECT_DOUBLE_EQ(state.gear1.x, 0.25);
    EXPECT_EQ(Text(ctl::kPairX2Label), "x2 = -0.2500");
}

TEST_F(Shell, PairFieldsRouteOnlyOnThePairTab) {
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Single));
    EXPECT_EQ(state.viewMode, ViewMode::Single);
    UserSetText(state, ctl::kPairFaceWidth, "33");
    EXPECT_EQ(state.viewMode, ViewMode::Single);
    EXPECT_DOUBLE_EQ(state.gear1.b, 10.0);
    // Back to the pair: the kept row is applied again with a fit.
    state.view.zoom = 123.0;
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Pair));
    EXPECT_EQ(state.viewMode, ViewMode::Pair);
    EXPECT_DOUBLE_EQ(state.gear1.b, 33.0);
    EXPECT_NE(state.view.zoom, 123.0);
}

TEST_F(Shell, TabWithoutResultShowsTheHint) {
    UserSetText(state, ctl::kPairRatio, "0");
    UserClick(state, ctl::kPairCalculate);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(state.pairSel, -1);
    EXPECT_TRUE(state.ui.Get(ctl::kPairList).rows.empty());
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Single));
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Pair));
    EXPECT_EQ(state.viewMode, ViewMode::None);
    EXPECT_EQ(Report(), "");
    // A tick without a drawing does nothing.
    const uint64_t revision = state.sceneRevision;
    HandleTimerTick(state);
    EXPECT_EQ(state.sceneRevision, revision);
    EXPECT_EQ(state.rotationAngle, 0.0);
}

TEST_F(Shell, SingleTabRefitsOnSizeChangesOnly) {
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Single));
    state.view.zoom = 3.0;
    UserSetText(state, ctl::kSingleFaceWidth, "20");
    EXPECT_EQ(state.view.zoom, 3.0);
    UserSetText(state, ctl::kSingleModule, "1,75");
    EXPECT_DOUBLE_EQ(state.gear1.mn, 1.75);
    EXPECT_NE(state.view.zoom, 3.0);
}

TEST_F(Shell, InvalidSingleInputsKeepTheLastGear) {
    UserChoose(state, ctl::kTabs, static_cast<int>(GearTab::Single));
    const std::string report = Report();
    const struct {
        int id;
        const char* text;
    } kInvalid[] = {{ctl::kSingleTeeth, "2"},           {ctl::kSingleTeeth, "1001"},
                    {ctl::kSinglePressureAngle, "9.9"}, {ctl::kSinglePressureAngle, "35.1"},
                    {ctl::kSingleBeta, "45.5"},         {ctl::kSingleModule, "0"},
                    {ctl::kSingleModule, "abc"}};
    for (const auto& c : kInvalid) {
        UserSetText(state, c.id, c.text);
        EXPECT_EQ(Report(), report) << c.id << " = " << c.text;
        EXPECT_EQ(state.gear1.z, 20);
        UserSetText(state, ctl::kSingleTeeth, "20");
        UserSetText(state, ctl::kSinglePressureAngle, "20");
        UserSetText(state, ctl::kSingleBeta, "0");
        UserSetText(state, ctl::kSingleModule, "2");
    }
    UserSetText(state, ctl::kSingleTeeth, "20.9");
    EXPECT_EQ(state.gear1.z, 20);
}

TEST_F(Shell, PairUpdateSplitsShiftBacklashAndTipShortening) {
    // A row of our own in pairRows, as the search would leave it.
    state.pairRows = {Row(2.0, 20, 40, 0.5)};
    state.pairSel = 0;
    state.ui.SetText(ctl::kPairX1, "0.3");
    state.ui.SetText(ctl::kPairCentreDistance, "70");
    state.ui.SetText(ctl::kPairBacklash, "0.1");
    UpdatePairTab(state, false);
    EXPECT_EQ(Text(ctl::kPairX2Label), "x2 = 0.2000");
    EXPECT_DOUBLE_EQ(state.pairShiftSum, 0.5);
    EXPECT_DOUBLE_EQ(state.pairCentreDistance, 70.0);
    EXPECT_EQ(state.gear1.k, 0.0);  // a exceeds a0 + Σx·m: no tip shortening
    const double allowance = 0.1 / (2.0 * std::cos(20.0 * std::numbers::pi / 180.0));
    EXPECT_NEAR(state.gear1.As, allowance, 1e-15);
    EXPECT_NEAR(state.gear2.As, 0.0532, 1e-4);
    EXPECT_EQ(state.gear2.hand, -state.gear1.hand);

    state.ui.SetText(ctl::kPairCentreDistance, "60.8");
    UpdatePairTab(state, false);
    EXPECT_NEAR(state.gear1.k, 0.1, 1e-12);  // 30 + 0.5 - 30.4
    EXPECT_NEAR(state.gear1.ra, 20.0 + 2.0 * (1.0 + 0.3 - 0.1), 1e-9);

    state.pairSel = 5;  // no such row: nothing changes
    state.ui.SetText(ctl::kPairX1, "0.1");
    UpdatePairTab(state, false);
    EXPECT_DOUBLE_EQ(state.gear1.x, 0.3);
}

TEST_F(Shell, AppliedRowProposesAShiftAgainstUndercut) {
    const struct {
        const char* name;
        ModuleRow row;
        const char* x1;
    } kCases[] = {
        {"pinion just free of undercut", Row(2.0, 12, 24, 0.5), "0.2981"},
        {"both free without shift", Row(2.0, 40, 80, 0.0), "0.0000"},
        {"equal split when neither can be helped", Row(2.0, 8, 9, 0.1), "0.0500"},
    };
    for (const auto& c : kCases) {
        state.pairRows = {c.row};
        ApplyPairRow(state, 0);
        EXPECT_EQ(Text(ctl::kPairX1), c.x1) << c.name;
    }
    EXPECT_EQ(Text(ctl::kPairX2Label), "x2 = 0.0500");
}

TEST_F(Shell, HubWindowOpensClosesAndUpdatesTheActiveTab) {
    UserClick(state, ctl::kHubButton);
    EXPECT_TRUE(state.hubDialogShown);
    EXPECT_TRUE(state.windows[kHubWindow].visible);
    UserChoose(state, 114, 1);  // DIN 6885-1 keyway for gear 1 (bore 8 mm)
    EXPECT_TRUE(state.modified);
    EXPECT_DOUBLE_EQ(state.gear1.keyWidth, 2.0);
    EXPECT_NE(Report().find("keyway b × t2 = 2.0 × 1.0"), std::string::npos);
    HandleCloseRequest(state, kHubWindow);
    EXPECT_FALSE(state.windows[kHubWindow].visible);
    UserClick(state, ctl::kHubButton);
    UserClick(state, ctl::kHubClose);
    EXPECT_FALSE(state.hubDialogShown);
}

TEST_F(Shell, HelpLooksBesideTheProgramThenInTheCurrentFolder) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "dentaro_help_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "prog");
    fs::create_directories(dir / "cwd");
    const fs::path oldCwd = fs::current_path();
    fs::current_path(dir / "cwd");
    platform.programFolder = (dir / "prog").string() + "/";

    HandleMenuItem(state, kMenuUserGuide);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "The help file 'help_en.html' was not found. Place it next to the program.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);

    std::ofstream(dir / "prog" / "help_en.html").close();  // empty: counts as missing
    std::ofstream(dir / "cwd" / "help_en.html") << "<html></html>";
    HandleMenuItem(state, kMenuUserGuide);
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_EQ(platform.opened[0], (dir / "cwd").string() + "/help_en.html");

    std::ofstream(dir / "prog" / "help_en.html") << "<html></html>";
    HandleMenuItem(state, kMenuUserGuide);
    ASSERT_EQ(platform.opened.size(), 2u);
    EXPECT_EQ(platform.opened[1], platform.programFolder + "help_en.html");

    fs::current_path(oldCwd);
    fs::remove_all(dir);
}

TEST_F(Shell, HelpButtonOffersGuideAndAbout) {
    platform.popupChoice = kMenuAbout;
    UserClick(state, ctl::kHelp);
    ASSERT_EQ(platform.popups.size(), 1u);
    ASSERT_EQ(platform.popups[0].size(), 2u);
    EXPECT_EQ(platform.popups[0][0].text, "User guide\tF1");
    EXPECT_EQ(platform.popups[0][1].text, "About Dentaro");
    ASSERT_EQ(platform.abouts.size(), 1u);
    EXPECT_EQ(platform.abouts[0].name, "Dentaro 1.00");
    EXPECT_EQ(platform.abouts[0].title, "About");
}

TEST_F(Shell, TimerTurnsTheGearsAndWrapsOnce) {
    state.ui.Get(ctl::kSpeed).state = 20;
    state.rotationAngle = 2.0 * std::numbers::pi - 0.001;
    HandleTimerTick(state);
    EXPECT_NEAR(state.rotationAngle, 0.0175 - 0.001 - 0.0, 1e-3);
    EXPECT_GE(state.rotationAngle, 0.0);
}
