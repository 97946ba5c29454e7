// The gear pair report and the refresh of the report box by view mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/tab_updates.h"
#include "geometry/external_outline.h"
#include "report/report.h"
#include "texts/text_table.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

GearData MakePairGear(double m, int64_t z, double betaDeg, int64_t hand, double b, double bore,
                      double k, double As) {
    GearData gear;
    SetExternalGear(gear, m, z, 0.0, 20.0, b, bore, k, betaDeg, hand);
    gear.As = As;
    GenerateExternalGear(gear, 1);
    return gear;
}

struct PairCase {
    double m = 2.0;
    int64_t z1 = 20;
    int64_t z2 = 40;
    double a = 60.0;
    double jn = 0.0;
    double betaDeg = 0.0;
    int64_t hand = 1;
    double b = 10.0;
    double k = -1.0;  // < 0: from the centre distance, as the pair tab does
};

// The pair as the Pair tab sets it up: Σx = 0, gear 2 of opposite hand, the backlash
// split into two equal thickness allowances.
AppState PairState(const PairCase& c, const TextTable& texts) {
    AppState state;
    state.texts = &texts;
    double k = c.k;
    if (k < 0.0) {
        k = std::max(0.0, (c.z1 + c.z2) / (2.0 * std::cos(c.betaDeg * kDeg)) - c.a / c.m);
    }
    const double As = c.jn / (2.0 * std::cos(20.0 * kDeg));
    state.gear1 = MakePairGear(c.m, c.z1, c.betaDeg, c.hand, c.b, 8.0, k, As);
    state.gear2 = MakePairGear(c.m, c.z2, c.betaDeg, -c.hand, c.b, 12.0, k, As);
    state.pairCentreDistance = c.a;
    state.viewMode = ViewMode::Pair;
    return state;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(PairReport, SpurPairAtTheReferenceCentreDistance) {
    struct Case {
        const TextTable* texts;
        std::vector<std::string> head;
        const char* title1;
        const char* title2;
    };
    const Case cases[] = {
        {&EnglishTexts(),
         {"GEAR PAIR", "  a  = 60.000   centre distance",
          "  a0 = 60.000   reference centre distance", "  i  = 2.0000   (z2/z1)",
          "  αw = 20.000°  operating pressure angle", "  Σx = 0.0000",
          "  k·m = 0.000   tip shortening", "  jn = 0.0000   normal backlash",
          "  jt = 0.0000   circumferential backlash at dw",
          "  gα = 9.655   length of path of contact A–E", "  εα = 1.635   transverse contact ratio",
          ""},
         "GEAR 1 (blue)",
         "GEAR 2 (orange)"},
        {&DutchTexts(),
         {"TANDWIELPAAR", "  a  = 60.000   hartafstand", "  a0 = 60.000   nul-hartafstand",
          "  i  = 2.0000   (z2/z1)", "  αw = 20.000°  bedrijfsdrukhoek", "  Σx = 0.0000",
          "  k·m = 0.000   kopverkorting", "  jn = 0.0000   normale flankspeling",
          "  jt = 0.0000   omtreksspeling op dw", "  gα = 9.655   lengte ingrijpingslijn A–E",
          "  εα = 1.635   profieloverdekking", ""},
         "WIEL 1 (blauw)",
         "WIEL 2 (oranje)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.head[0]);
        const AppState state = PairState(PairCase{}, *c.texts);
        ASSERT_EQ(state.gear1.valid, 1);
        ASSERT_EQ(state.gear2.valid, 1);
        std::string expected;
        for (const std::string& line : c.head) {
            expected += line + "\r\n";
        }
        expected += GearDataBlock(state.gear1, c.title1, *c.texts) + "\r\n" +
                    GearDataBlock(state.gear2, c.title2, *c.texts);
        EXPECT_EQ(PairReport(state), expected);
        // The gear blocks are those of the two gears, with their own bores.
        const std::vector<std::string> lines = Lines(PairReport(state));
        EXPECT_EQ(lines[12], c.title1);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(c.title2)), 1);
    }
    const std::vector<std::string> lines = Lines(PairReport(PairState(PairCase{}, EnglishTexts())));
    EXPECT_TRUE(Contains(lines, "  b  = 10.00   bore = 8.00"));
    EXPECT_TRUE(Contains(lines, "  b  = 10.00   bore = 12.00"));
    EXPECT_TRUE(Contains(lines, "  d  = 80.000   pitch circle"));
}

TEST(PairReport, BacklashIsShownNormalAndCircumferential) {
    PairCase c;
    c.jn = 0.1;
    const std::vector<std::string> lines = Lines(PairReport(PairState(c, EnglishTexts())));
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[7], "  jn = 0.1000   normal backlash");
    EXPECT_EQ(lines[8], "  jt = 0.1064   circumferential backlash at dw");  // 0.1 / cos 20°
    // The backlash thins the teeth, not the mesh geometry.
    EXPECT_EQ(lines[9], "  gα = 9.655   length of path of contact A–E");
    EXPECT_EQ(lines[10], "  εα = 1.635   transverse contact ratio");
}

TEST(PairReport, TipShorteningAtAShorterCentreDistance) {
    PairCase c;
    c.a = 59.8;  // k = 0.1: both tips 0.2 mm lower
    const std::vector<std::string> lines = Lines(PairReport(PairState(c, EnglishTexts())));
    EXPECT_EQ(lines[1], "  a  = 59.800   centre distance");
    EXPECT_EQ(lines[2], "  a0 = 60.000   reference centre distance");
    EXPECT_EQ(lines[4], "  αw = 19.467°  operating pressure angle");
    EXPECT_EQ(lines[6], "  k·m = 0.200   tip shortening");
    EXPECT_EQ(lines[10], "  εα = 1.593   transverse contact ratio");
}

TEST(PairReport, HelicalPairShowsHandsAndOverlap) {
    PairCase c;
    c.betaDeg = 15.0;
    c.hand = -1;
    c.a = 20.0 * 3.0 * 2.0 / (2.0 * std::cos(15.0 * kDeg));  // a0, no tip shortening
    c.k = 0.0;
    const std::vector<std::string> lines = Lines(PairReport(PairState(c, EnglishTexts())));
    EXPECT_EQ(lines[4], "  β  = 15.000°   gear 1 left, gear 2 right");
    EXPECT_EQ(lines[5], "  αw = 20.647°  operating pressure angle");
    EXPECT_EQ(lines[11].rfind("  εα = ", 0), 0u);
    // εβ = 10 sin 15° / (2π) = 0.412
    EXPECT_EQ(lines[12], "  εβ = 0.412   overlap ratio");
    EXPECT_EQ(lines[13].rfind("  εγ = ", 0), 0u);
    EXPECT_EQ(lines[14], "");

    const std::vector<std::string> dutch = Lines(PairReport(PairState(c, DutchTexts())));
    EXPECT_EQ(dutch[4], "  β  = 15.000°   wiel 1 links, wiel 2 rechts");
    EXPECT_EQ(dutch[12], "  εβ = 0.412   sprongoverdekking");
    EXPECT_EQ(dutch[13].rfind("  εγ = ", 0), 0u);
    EXPECT_NE(dutch[13].find("   totale overdekking"), std::string::npos);
}

TEST(PairReport, ContactRatioWarningCountsTheOverlapOfHelicalGears) {
    // Two 20-tooth gears with their tips shortened until εα = 1.05.
    PairCase spur;
    spur.z2 = 20;
    spur.a = 40.0;
    spur.k = 0.3696744030909933;

    PairCase helical = spur;
    helical.betaDeg = 10.0;
    helical.a = 40.61706447542981;
    helical.k = 0.3544197583718045;
    helical.b = 7.236684417421514;  // εβ = 0.2

    const std::vector<std::string> spurLines = Lines(PairReport(PairState(spur, EnglishTexts())));
    EXPECT_TRUE(Contains(spurLines, "  εα = 1.050   transverse contact ratio"));
    EXPECT_TRUE(Contains(spurLines, "  ! contact ratio too small"));

    const std::vector<std::string> helicalLines =
        Lines(PairReport(PairState(helical, EnglishTexts())));
    EXPECT_TRUE(Contains(helicalLines, "  εα = 1.050   transverse contact ratio"));
    EXPECT_TRUE(Contains(helicalLines, "  εβ = 0.200   overlap ratio"));
    EXPECT_TRUE(Contains(helicalLines, "  εγ = 1.250   total contact ratio"));
    EXPECT_FALSE(Contains(helicalLines, "  ! contact ratio too small"));

    EXPECT_TRUE(Contains(Lines(PairReport(PairState(spur, DutchTexts()))),
                         "  ! ingrijpingsgraad te klein"));
}

TEST(PairReport, CentreDistanceTheBaseCirclesCannotReachIsFlagged) {
    // a below rb1 + rb2 = 56.38 mm: there is no operating pressure angle and no contact
    // ratio; the report must not let that pass without the warning.
    PairCase c;
    c.a = 50.0;
    c.k = 0.0;
    const std::vector<std::string> lines = Lines(PairReport(PairState(c, EnglishTexts())));
    EXPECT_TRUE(Contains(lines, "  ! contact ratio too small"));
}

// The report box as the shell holds it.
AppState StateWithReportBox(const TextTable& texts) {
    AppState state;
    state.texts = &texts;
    Control box;
    box.id = ctl::kReport;
    box.kind = ControlKind::Report;
    state.ui.Add(box);
    return state;
}

TEST(RefreshReport, WritesTheReportOfTheViewMode) {
    for (const TextTable* texts : {&EnglishTexts(), &DutchTexts()}) {
        AppState state = StateWithReportBox(*texts);
        const AppState pair = PairState(PairCase{}, *texts);
        state.gear1 = pair.gear1;
        state.gear2 = pair.gear2;
        state.pairCentreDistance = pair.pairCentreDistance;

        state.viewMode = ViewMode::Single;
        state.ui.dirty.clear();
        RefreshReport(state);
        const std::string title = texts->lang == Lang::En ? "GEAR" : "TANDWIEL";
        EXPECT_EQ(state.ui.Get(ctl::kReport).text, GearDataBlock(state.gear1, title, *texts));
        EXPECT_EQ(state.ui.dirty.count(ctl::kReport), 1u);

        state.viewMode = ViewMode::Pair;
        RefreshReport(state);
        EXPECT_EQ(state.ui.Get(ctl::kReport).text, PairReport(state));

        for (ViewMode empty : {ViewMode::None, ViewMode::Rack, ViewMode::Internal}) {
            state.viewMode = ViewMode::Pair;
            RefreshReport(state);
            state.viewMode = empty;
            RefreshReport(state);
            EXPECT_EQ(state.ui.Get(ctl::kReport).text, "");
        }
    }
}

}  // namespace
