// The data block of one external gear, line by line, and the verdicts it draws from the
// gear's flags.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "app/tab_updates.h"
#include "geometry/external_outline.h"
#include "report/report.h"
#include "texts/text_table.h"

namespace {

// An external gear as the Single tab sets it up, generated for the display.
GearData MakeGear(double m, int64_t z, double x, double betaDeg = 0.0, int64_t hand = 1,
                  double b = 10.0, double bore = 8.0, double As = 0.0) {
    GearData gear;
    SetExternalGear(gear, m, z, x, 20.0, b, bore, 0.0, betaDeg, hand);
    gear.As = As;
    GenerateExternalGear(gear, 1);
    return gear;
}

// The lines of a report; every line must end in CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break: " << line;
    }
    return lines;
}

int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

int IndexStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(GearDataBlock, SpurGearLineByLineInBothBuilds) {
    const GearData gear = MakeGear(2.0, 20, 0.0);
    ASSERT_EQ(gear.valid, 1);
    struct Case {
        const TextTable* texts;
        const char* title;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {&EnglishTexts(),
         "GEAR",
         {"GEAR", "  z  = 20     m = 2 mm", "  x  = 0.0000   (x min = -0.170)",
          "  d  = 40.000   pitch circle", "  da = 44.000   tip circle",
          "  df = 35.000   root circle", "  db = 37.588   base circle",
          "  s  = 3.142   tooth thickness at d", "  sa = 1.390   tooth thickness at da",
          "  b  = 10.00   bore = 8.00", "  Inspection dimensions (finished gear):",
          "  Wk = 15.321   span over k = 3", "  Md = 44.760   over 2 pins Ø 3.45"}},
        {&DutchTexts(),
         "TANDWIEL",
         {"TANDWIEL", "  z  = 20     m = 2 mm", "  x  = 0.0000   (x min = -0.170)",
          "  d  = 40.000   steekcirkel", "  da = 44.000   kopcirkel", "  df = 35.000   voetcirkel",
          "  db = 37.588   basiscirkel", "  s  = 3.142   tanddikte op d",
          "  sa = 1.390   tanddikte op da", "  b  = 10.00   boring = 8.00",
          "  Controlematen (afgewerkt wiel):", "  Wk = 15.321   tandwijdte over k = 3",
          "  Md = 44.760   over 2 pennen Ø 3.45"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(Lines(GearDataBlock(gear, c.title, *c.texts)), c.lines);
    }
}

TEST(GearDataBlock, HelicalGearShowsTransverseDataLeadAndHand) {
    const GearData right = MakeGear(2.0, 20, 0.0, 15.0, 1);
    const std::vector<std::string> lines = Lines(GearDataBlock(right, "GEAR", EnglishTexts()));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "  z  = 20     mn = 2 mm   mt = 2.0706");
    EXPECT_EQ(lines[2], "  β  = 15.000° right   βb = 14.076°   αt = 20.647°");
    EXPECT_EQ(lines[3], "  x  = 0.0000   (x min = -0.287)");
    const int st = IndexOf(lines, "  st = 3.252   tooth thickness at d (transverse)");
    ASSERT_GE(st, 0);
    EXPECT_EQ(lines[st + 1], "  pz = 485.53   lead of the helix");
    EXPECT_EQ(IndexStartingWith(lines, "  s  = "), -1);
    EXPECT_GE(IndexOf(lines, "  Wk = 15.379   span over k = 3"), 0);
    EXPECT_GE(IndexOf(lines, "  Md = 46.182   over 2 balls Ø 3.45"), 0);
    // bMinWk = 3.740: a 10 mm face takes the caliper.
    EXPECT_EQ(IndexStartingWith(lines, "  ! b too narrow"), -1);

    const GearData left = MakeGear(2.0, 20, 0.0, 15.0, -1, 5.0);
    const std::vector<std::string> dutch = Lines(GearDataBlock(left, "TANDWIEL", DutchTexts()));
    EXPECT_EQ(dutch[2], "  β  = 15.000° links   βb = 14.076°   αt = 20.647°");
    EXPECT_EQ(dutch[IndexOf(dutch, "  st = 3.252   tanddikte op d (transversaal)") + 1],
              "  pz = 485.53   spoed van de schroeflijn");
    const int wk = IndexOf(dutch, "  Wk = 15.379   tandwijdte over k = 3");
    ASSERT_GE(wk, 0);
    EXPECT_EQ(dutch[wk + 1], "  ! b te smal om Wk te meten (min. 5.7)");
    EXPECT_EQ(dutch[wk + 2], "  Md = 46.182   over 2 kogels Ø 3.45");
    const std::vector<std::string> english = Lines(GearDataBlock(left, "GEAR", EnglishTexts()));
    EXPECT_GE(IndexOf(english, "  ! b too narrow to measure Wk (min. 5.7)"), 0);
}

TEST(GearDataBlock, ModuleIsWrittenWithoutTrailingZeros) {
    struct Case {
        double m;
        double beta;
        const char* line;
    };
    const Case cases[] = {
        {1.25, 0.0, "  z  = 20     m = 1.25 mm"},
        {3.0, 0.0, "  z  = 20     m = 3 mm"},
        {0.05, 0.0, "  z  = 20     m = 0.05 mm"},
        {1.125, 10.0, "  z  = 20     mn = 1.125 mm   mt = 1.1424"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const GearData gear = MakeGear(c.m, 20, 0.0, c.beta, 1, 10.0, 0.0);
        EXPECT_EQ(Lines(GearDataBlock(gear, "GEAR", EnglishTexts()))[1], c.line);
    }
}

TEST(GearDataBlock, OddToothCountMeasuresOverBalls) {
    const GearData gear = MakeGear(2.0, 21, 0.0);
    EXPECT_GE(IndexOf(Lines(GearDataBlock(gear, "GEAR", EnglishTexts())),
                      "  Md = 46.644   over 2 balls Ø 3.45 (odd z)"),
              0);
    EXPECT_GE(IndexOf(Lines(GearDataBlock(gear, "TANDWIEL", DutchTexts())),
                      "  Md = 46.644   over 2 kogels Ø 3.45 (z oneven)"),
              0);
}

TEST(GearDataBlock, ThicknessAllowanceShowsTheToolShift) {
    // As = 0.05 mm moves the tool by As / (2 m tan 20°) = 0.0343 inward.
    const GearData gear = MakeGear(2.0, 20, 0.0, 0.0, 1, 10.0, 8.0, 0.05);
    const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
    const int s = IndexStartingWith(lines, "  s  = ");
    ASSERT_GE(s, 0);
    EXPECT_EQ(lines[s + 1], "  As = 0.0500   thickness allowance (tool at x = -0.0343)");
    EXPECT_EQ(lines[s + 2].rfind("  sa = ", 0), 0u);
    EXPECT_EQ(Lines(GearDataBlock(gear, "TANDWIEL", DutchTexts()))[s + 1],
              "  As = 0.0500   afmaat (gereedschap op x = -0.0343)");
}

TEST(GearDataBlock, UndercutVerdictFollowsTheBallLines) {
    const GearData gear = MakeGear(2.0, 12, 0.0);
    ASSERT_EQ(gear.undercut, 1);
    const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
    EXPECT_EQ(lines[2], "  x  = 0.0000   (x min = 0.298)");
    const int balls = IndexStartingWith(lines, "  Md = ");
    const int undercut = IndexOf(lines, "  ! undercut (x < x min)");
    ASSERT_GE(balls, 0);
    ASSERT_GE(undercut, 0);
    EXPECT_GT(undercut, balls);
    for (int i = balls + 1; i < undercut; ++i) {
        EXPECT_EQ(lines[i].rfind("  ! p", 0), 0u) << "only the pin verdicts lie between";
    }
    EXPECT_GE(IndexOf(Lines(GearDataBlock(gear, "TANDWIEL", DutchTexts())),
                      "  ! ondersnijding (x < x min)"),
              0);
}

TEST(GearDataBlock, PointedToothGetsOnlyThePointedVerdict) {
    const GearData gear = MakeGear(2.0, 10, 1.0);
    ASSERT_EQ(gear.pointed, 1);
    const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
    EXPECT_GE(IndexOf(lines, "  sa = 0.000   tooth thickness at da"), 0);
    EXPECT_GE(IndexOf(lines, "  ! pointed tooth, tip circle reduced"), 0);
    EXPECT_EQ(IndexOf(lines, "  ! tip thickness < 0.25 m"), -1);
    const std::vector<std::string> dutch = Lines(GearDataBlock(gear, "TANDWIEL", DutchTexts()));
    EXPECT_GE(IndexOf(dutch, "  ! spitse tand, kopcirkel verkleind"), 0);
    EXPECT_EQ(IndexOf(dutch, "  ! kopdikte < 0,25 m"), -1);
}

TEST(GearDataBlock, VerdictsFollowTheFlagsAndMeasuringRadii) {
    struct Case {
        const char* name;
        std::function<void(GearData&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string kTipThin = "  ! tip thickness < 0.25 m";
    const std::string kWkOff = "  ! Wk measuring points outside the involute";
    const std::string kPinInside = "  ! pin does not protrude beyond the tip circle";
    const std::string kPinOff = "  ! pin touches outside the involute";
    const std::string kBore = "  ! bore larger than root circle";
    const std::string kInvalid = "  ! invalid geometry";
    const Case cases[] = {
        {"tip thinner than a quarter module", [](GearData& g) { g.sa = 0.49; }, {kTipThin}, {}},
        {"tip exactly a quarter module", [](GearData& g) { g.sa = 0.5; }, {}, {kTipThin}},
        {"span contact below the root form circle",
         [](GearData& g) { g.rWk = 18.0; },
         {kWkOff},
         {kPinOff}},
        {"span contact above the tip", [](GearData& g) { g.rWk = 22.5; }, {kWkOff}, {}},
        {"pin inside the tip circle", [](GearData& g) { g.ballProtrudes = 0; }, {kPinInside}, {}},
        {"pin contact above the tip",
         [](GearData& g) { g.rBallContact = 23.0; },
         {kPinOff},
         {kWkOff}},
        {"pin contact below the root form circle",
         [](GearData& g) { g.rFf = 20.1; },
         {kPinOff},
         {kWkOff}},
        {"bore equal to the root diameter", [](GearData& g) { g.bore = 35.0; }, {kBore}, {}},
        {"bore just inside the root diameter", [](GearData& g) { g.bore = 34.9; }, {}, {kBore}},
        {"no outline", [](GearData& g) { g.valid = 0; }, {kInvalid}, {}},
    };
    const GearData base = MakeGear(2.0, 20, 0.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GearData gear = base;
        c.change(gear);
        const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
        for (const std::string& line : c.present) {
            EXPECT_GE(IndexOf(lines, line), 0) << line;
        }
        for (const std::string& line : c.absent) {
            EXPECT_EQ(IndexOf(lines, line), -1) << line;
        }
    }
}

TEST(GearDataBlock, FailedGearStillShowsItsMeasuringLinesAndTheVerdict) {
    GearData gear = MakeGear(2.0, 20, 0.0);
    gear.z = 2;  // no outline any more
    GenerateExternalGear(gear, 1);
    ASSERT_EQ(gear.valid, 0);
    const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
    EXPECT_GE(IndexStartingWith(lines, "  Wk = "), 0);
    EXPECT_GE(IndexStartingWith(lines, "  Md = "), 0);
    EXPECT_EQ(lines.back(), "  ! invalid geometry");
    EXPECT_GE(
        IndexOf(Lines(GearDataBlock(gear, "TANDWIEL", DutchTexts())), "  ! geometrie ongeldig"), 0);
}

TEST(GearDataBlock, KeywayLinesFollowTheBoreLine) {
    GearData gear = MakeGear(2.0, 20, 0.0, 0.0, 1, 10.0, 20.0);
    gear.keyWidth = 6.0;
    gear.keyDepthHub = 2.8;
    gear.keyHeight = 6.0;
    gear.keyIsStandard = 1;
    gear.hubSide = 1;
    gear.hubDiameter = 30.0;
    gear.hubLength = 10.0;
    const std::vector<std::string> lines = Lines(GearDataBlock(gear, "GEAR", EnglishTexts()));
    const int bore = IndexOf(lines, "  b  = 10.00   bore = 20.00");
    ASSERT_GE(bore, 0);
    EXPECT_EQ(lines[bore + 1], "  keyway b × t2 = 6.0 × 2.8  (DIN 6885-1, key 6 × 6)");
    EXPECT_EQ(lines[bore + 2], "  hub Ø 30.0 × 10.0 left   (total length 20.0)");
    EXPECT_EQ(lines[bore + 3], "  Inspection dimensions (finished gear):");
}

}  // namespace
