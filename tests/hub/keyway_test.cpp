// Keyway and hub sizing: the DIN 6885-1 table, the checks of the hub window's inputs,
// the bore outline and the report lines.
#include "hub/keyway.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "app/app_state.h"
#include "hub/hub_window.h"
#include "texts/text_table.h"

namespace {

// The hub window's controls and a gear record with only the fields the hub check reads.
struct HubFixture : ::testing::Test {
    AppState state;

    void SetUp() override { Build(EnglishTexts()); }

    void Build(const TextTable& texts) {
        state = AppState{};
        state.texts = &texts;
        BuildHubWindow(state);
    }

    static GearData Gear(double bore, double rf = 40.0, double mn = 2.0) {
        GearData gear;
        gear.mn = mn;
        gear.z = 40;
        gear.b = 20.0;
        gear.bore = bore;
        gear.rf = rf;
        gear.valid = 1;
        return gear;
    }

    void Choose(int index, int64_t keyway, int64_t hub) {
        state.ui.SetState(hubctl::kKeywayChoice + hubctl::kGearStep * index, keyway);
        state.ui.SetState(hubctl::kHubChoice + hubctl::kGearStep * index, hub);
    }
    void Type(int baseId, int index, const std::string& text) {
        state.ui.SetText(baseId + hubctl::kGearStep * index, text);
    }
    void Validate(GearData& gear, int index = 0) {
        ValidateHubAndKeyway(state.ui, *state.texts, gear, index);
    }
};

TEST(KeySizeTable, RowEdgesFollowLowerExclusiveUpperInclusive) {
    struct Case {
        double bore;
        bool found;
        double b, h, t2, t1;
    };
    const Case cases[] = {
        {6.0, false, 0, 0, 0, 0},          {6.01, true, 2, 2, 1.0, 1.2},
        {8.0, true, 2, 2, 1.0, 1.2},       {8.01, true, 3, 3, 1.4, 1.8},
        {30.0, true, 8, 7, 3.3, 4.0},      {30.5, true, 10, 8, 3.3, 5.0},
        {230.0, true, 50, 28, 11.4, 17.0}, {231.0, false, 0, 0, 0, 0},
        {0.0, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bore);
        const KeySize size = LookupKeySize(c.bore);
        EXPECT_EQ(size.found, c.found);
        EXPECT_EQ(size.b, c.b);
        EXPECT_EQ(size.h, c.h);
        EXPECT_EQ(size.t2, c.t2);
        if (c.found) {
            EXPECT_EQ(size.t1, c.t1);
        }
    }
}

TEST_F(HubFixture, DinKeywayTakesTheTableRowAndShowsItInTheFields) {
    struct Case {
        double bore;
        double b, h, t2, k;
        const char* widthText;
        const char* depthText;
    };
    const Case cases[] = {
        {6.01, 2, 2, 1.0, 0.8, "2", "1.0"},
        {30.0, 8, 7, 3.3, 3.0, "8", "3.3"},
        {30.5, 10, 8, 3.3, 3.0, "10", "3.3"},
        {230.0, 50, 28, 11.4, 11.0, "50", "11.4"},
    };
    Choose(0, 1, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bore);
        GearData gear = Gear(c.bore, 150.0);
        Validate(gear);
        EXPECT_EQ(gear.keyWidth, c.b);
        EXPECT_EQ(gear.keyHeight, c.h);
        EXPECT_EQ(gear.keyDepthHub, c.t2);
        EXPECT_NEAR(gear.keyBearingHeight, c.k, 1e-12);
        EXPECT_EQ(gear.keyIsStandard, 1);
        EXPECT_TRUE(HasKeyway(gear));
        EXPECT_EQ(gear.keyNotes, "");
        EXPECT_EQ(state.ui.Get(hubctl::kKeyWidth).text, c.widthText);
        EXPECT_EQ(state.ui.Get(hubctl::kKeyDepth).text, c.depthText);
        EXPECT_FALSE(state.ui.Get(hubctl::kKeyWidth).enabled);
        EXPECT_FALSE(state.ui.Get(hubctl::kKeyDepth).enabled);
    }

    // The same values again: the fields are not rewritten, so the toolkit has nothing to redo.
    state.ui.dirty.clear();
    GearData gear = Gear(230.0, 150.0);
    Validate(gear);
    EXPECT_EQ(state.ui.dirty.count(hubctl::kKeyWidth), 0u);
    EXPECT_EQ(state.ui.dirty.count(hubctl::kKeyDepth), 0u);
}

TEST_F(HubFixture, DinKeywayOutsideTheTableIsRejectedWithItsReason) {
    Choose(0, 1, 0);
    for (double bore : {0.0, 5.0, 6.0, 231.0}) {
        SCOPED_TRACE(bore);
        GearData gear = Gear(bore, 150.0);
        Validate(gear);
        EXPECT_FALSE(HasKeyway(gear));
        EXPECT_EQ(gear.keyWidth, 0.0);
        EXPECT_EQ(gear.keyNotes, "keyway: no DIN 6885 size for this bore (6 < d <= 230 mm); ");
    }
    GearData gear = Gear(5.0);
    Validate(gear);
    EXPECT_EQ(KeywayReportLines(gear, EnglishTexts()),
              "  ! keyway: no DIN 6885 size for this bore (6 < d <= 230 mm)\r\n");
}

TEST_F(HubFixture, CustomKeywayIsTypedAndChecked) {
    Choose(0, 2, 0);
    Type(hubctl::kKeyWidth, 0, "5");
    Type(hubctl::kKeyDepth, 0, "2,5");
    GearData gear = Gear(20.0);
    Validate(gear);
    EXPECT_TRUE(state.ui.Get(hubctl::kKeyWidth).enabled);
    EXPECT_TRUE(state.ui.Get(hubctl::kKeyDepth).enabled);
    EXPECT_TRUE(HasKeyway(gear));
    EXPECT_EQ(gear.keyWidth, 5.0);
    EXPECT_EQ(gear.keyDepthHub, 2.5);
    EXPECT_EQ(gear.keyHeight, 0.0);
    EXPECT_NEAR(gear.keyBearingHeight, 2.25, 1e-12);
    EXPECT_EQ(gear.keyIsStandard, 0);
    EXPECT_DOUBLE_EQ(KeywayRadius(gear), 12.5);
    // The typed texts stay as the user wrote them.
    EXPECT_EQ(state.ui.Get(hubctl::kKeyDepth).text, "2,5");

    Type(hubctl::kKeyWidth, 0, "12");
    GearData narrow = Gear(10.0);
    Validate(narrow);
    EXPECT_EQ(narrow.keyNotes, "keyway wider than the bore; ");
    EXPECT_EQ(narrow.keyWidth, 0.0);
    EXPECT_FALSE(HasKeyway(narrow));
    EXPECT_DOUBLE_EQ(KeywayRadius(narrow), 5.0);

    GearData solid = Gear(0.0);
    Validate(solid);
    EXPECT_EQ(solid.keyNotes, "keyway: no bore; ");
    EXPECT_FALSE(HasKeyway(solid));
}

TEST_F(HubFixture, HubDiameterIsChosenAutomaticallyWhenEmptyOrZero) {
    Choose(0, 0, 3);
    for (const char* typed : {"", "0", "-5"}) {
        SCOPED_TRACE(typed);
        Type(hubctl::kHubDiameter, 0, typed);
        GearData bored = Gear(20.0, 40.0, 2.0);
        Validate(bored);
        // Min(Max(1.8 * 20, 20 + 2 * 3), 2 * 40 - 2 * 2) = 36
        EXPECT_DOUBLE_EQ(bored.hubDiameter, 36.0);
        EXPECT_EQ(bored.hubLength, 10.0);
        EXPECT_EQ(bored.hubSide, 3);
        EXPECT_TRUE(HasHub(bored));

        GearData solid = Gear(0.0, 40.0, 2.0);
        Validate(solid);
        EXPECT_DOUBLE_EQ(solid.hubDiameter, 48.0);  // six tenths of the root diameter
        EXPECT_TRUE(HasHub(solid));
    }

    // A large bore: the automatic hub is kept one module inside the root circle.
    Type(hubctl::kHubDiameter, 0, "");
    GearData wide = Gear(45.0, 40.0, 2.0);
    Validate(wide);
    EXPECT_DOUBLE_EQ(wide.hubDiameter, 76.0);
}

TEST_F(HubFixture, HubChecksRejectWithOneReasonEach) {
    struct Case {
        const char* name;
        double bore;
        int64_t keyway;
        const char* diameter;
        const char* length;
        const char* notes;
    };
    const Case cases[] = {
        {"length zero, whatever D", 20.0, 0, "50", "0", "hub: length 0; "},
        {"length empty", 20.0, 0, "", "", "hub: length 0; "},
        {"D/2 on the limit rf - m/4", 20.0, 0, "79", "10",
         "hub larger than the root circle (max. 79.0 mm); "},
        {"D/2 under the keyway bottom + 0.5", 20.0, 1, "26.5", "10",
         "hub smaller than bore/keyway; "},
        {"keyway and hub reasons in order", 0.0, 2, "30", "0", "keyway: no bore; hub: length 0; "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(0, c.keyway, 1);
        Type(hubctl::kHubDiameter, 0, c.diameter);
        Type(hubctl::kHubLength, 0, c.length);
        GearData gear = Gear(c.bore, 40.0, 2.0);
        Validate(gear);
        EXPECT_EQ(gear.keyNotes, c.notes);
        EXPECT_FALSE(HasHub(gear));
        EXPECT_EQ(gear.hubSide, 0);
        EXPECT_EQ(gear.hubDiameter, 0.0);
    }

    // Just inside both limits the hub is accepted.
    Choose(0, 1, 2);
    Type(hubctl::kHubLength, 0, "10");
    for (const char* diameter : {"78.9", "26.7"}) {
        SCOPED_TRACE(diameter);
        Type(hubctl::kHubDiameter, 0, diameter);
        GearData gear = Gear(20.0, 40.0, 2.0);
        Validate(gear);
        EXPECT_EQ(gear.keyNotes, "");
        EXPECT_TRUE(HasHub(gear));
        EXPECT_EQ(gear.hubSide, 2);
    }
}

TEST_F(HubFixture, FailedGearsRingsAndRacksGetNothing) {
    Choose(0, 2, 3);
    Type(hubctl::kKeyWidth, 0, "12");  // would be rejected with a note on a valid gear
    Type(hubctl::kKeyDepth, 0, "2");
    Type(hubctl::kHubLength, 0, "0");
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kind);
        GearData gear = Gear(10.0);
        // Left over from an earlier, successful run: must all be cleared.
        gear.keyWidth = 3.0;
        gear.keyDepthHub = 1.4;
        gear.keyBearingHeight = 1.2;
        gear.hubSide = 3;
        gear.hubDiameter = 30.0;
        gear.hubLength = 10.0;
        gear.keyNotes = "old; ";
        if (kind == 0) {
            gear.valid = 0;
        } else if (kind == 1) {
            gear.isInternal = 1;
        } else {
            gear.isRack = 1;
        }
        Validate(gear);
        EXPECT_FALSE(HasKeyway(gear));
        EXPECT_FALSE(HasHub(gear));
        EXPECT_EQ(gear.keyWidth, 0.0);
        EXPECT_EQ(gear.keyDepthHub, 0.0);
        EXPECT_EQ(gear.keyBearingHeight, 0.0);
        EXPECT_EQ(gear.hubSide, 0);
        EXPECT_EQ(gear.keyNotes, "");
    }
}

TEST_F(HubFixture, EachGearReadsItsOwnGroup) {
    Choose(0, 1, 0);
    Choose(1, 2, 1);
    Type(hubctl::kKeyWidth, 1, "4");
    Type(hubctl::kKeyDepth, 1, "1.5");
    Type(hubctl::kHubDiameter, 1, "40");
    Type(hubctl::kHubLength, 1, "8");
    GearData gear1 = Gear(20.0);
    GearData gear2 = Gear(20.0);
    Validate(gear1, 0);
    Validate(gear2, 1);
    EXPECT_EQ(gear1.keyIsStandard, 1);
    EXPECT_EQ(gear1.keyWidth, 6.0);
    EXPECT_FALSE(HasHub(gear1));
    EXPECT_EQ(gear2.keyIsStandard, 0);
    EXPECT_EQ(gear2.keyWidth, 4.0);
    EXPECT_EQ(gear2.hubSide, 1);
    EXPECT_EQ(gear2.hubDiameter, 40.0);
    EXPECT_EQ(gear2.hubLength, 8.0);
    EXPECT_FALSE(state.ui.Get(hubctl::kKeyWidth).enabled);
    EXPECT_TRUE(state.ui.Get(hubctl::kKeyWidth + hubctl::kGearStep).enabled);
    // The DIN values of gear 1 are not written into gear 2's fields.
    EXPECT_EQ(state.ui.Get(hubctl::kKeyWidth + hubctl::kGearStep).text, "4");
}

TEST_F(HubFixture, ReportLinesForKeywayHubAndMaterialLeft) {
    struct Case {
        const char* name;
        double bore;
        double rf;
        int64_t keyway;
        const char* width;
        const char* depth;
        int64_t hub;
        const char* diameter;
        const char* length;
        const char* lines;
    };
    const Case cases[] = {
        {"DIN keyway, hub on both sides", 30.0, 60.0, 1, "", "", 3, "50", "10",
         "  keyway b × t2 = 8.0 × 3.3  (DIN 6885-1, key 8 × 7)\r\n"
         "  hub Ø 50.0 × 10.0 on both sides   (total length 40.0)\r\n"},
        {"custom keyway, hub left", 30.0, 60.0, 2, "7.5", "3", 1, "50", "12.5",
         "  keyway b × t2 = 7.5 × 3.0  (custom size)\r\n"
         "  hub Ø 50.0 × 12.5 left   (total length 32.5)\r\n"},
        {"hub right", 30.0, 60.0, 0, "", "", 2, "45", "5",
         "  hub Ø 45.0 × 5.0 right   (total length 25.0)\r\n"},
        {"keyway bottom 0.5 mm under the root", 20.0, 13.3, 1, "", "", 0, "", "10",
         "  keyway b × t2 = 6.0 × 2.8  (DIN 6885-1, key 6 × 6)\r\n"
         "  ! too little material between keyway and root (0.50 mm)\r\n"},
        {"bore 1 mm under the root", 20.0, 11.0, 0, "", "", 0, "", "10",
         "  ! too little material between bore and root (1.00 mm)\r\n"},
        {"a full module under the root is enough", 20.0, 12.0, 0, "", "", 0, "", "10", ""},
        {"no bore, no keyway, no hub", 0.0, 40.0, 0, "", "", 0, "", "10", ""},
        {"two reasons on one line", 0.0, 40.0, 2, "5", "2", 1, "", "0",
         "  ! keyway: no bore; hub: length 0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(0, c.keyway, c.hub);
        Type(hubctl::kKeyWidth, 0, c.width);
        Type(hubctl::kKeyDepth, 0, c.depth);
        Type(hubctl::kHubDiameter, 0, c.diameter);
        Type(hubctl::kHubLength, 0, c.length);
        GearData gear = Gear(c.bore, c.rf, 2.0);
        Validate(gear);
        EXPECT_EQ(KeywayReportLines(gear, EnglishTexts()), c.lines);
    }
}

TEST_F(HubFixture, DutchBuildWritesDutchNotesAndLines) {
    Build(DutchTexts());
    Choose(0, 1, 3);
    Type(hubctl::kHubDiameter, 0, "50");
    GearData gear = Gear(30.0, 60.0);
    Validate(gear);
    EXPECT_EQ(KeywayReportLines(gear, DutchTexts()),
              "  spiebaan b × t2 = 8.0 × 3.3  (DIN 6885-1, spie 8 × 7)\r\n"
              "  naaf Ø 50.0 × 10.0 aan beide kanten   (totale lengte 40.0)\r\n");

    Choose(0, 2, 1);
    Type(hubctl::kHubLength, 0, "0");
    GearData solid = Gear(0.0);
    Validate(solid);
    EXPECT_EQ(KeywayReportLines(solid, DutchTexts()),
              "  ! spiebaan: geen boring; naaf: lengte 0\r\n");

    Choose(0, 0, 1);
    Type(hubctl::kHubDiameter, 0, "79");
    Type(hubctl::kHubLength, 0, "10");
    GearData large = Gear(20.0, 40.0);
    Validate(large);
    EXPECT_EQ(large.keyNotes, "naaf groter dan de voetcirkel (max. 79.0 mm); ");
}

// Largest distance between the circle of radius R and the chords between consecutive
// points of an arc running counter-clockwise from the first to the last point given.
double LargestChordError(const std::vector<Point>& arc, double R) {
    double worst = 0.0;
    for (size_t i = 1; i < arc.size(); ++i) {
        const double a0 = std::atan2(arc[i - 1].y, arc[i - 1].x);
        double a1 = std::atan2(arc[i].y, arc[i].x);
        double d = a1 - a0;
        if (d < 0) {
            d += 2.0 * std::numbers::pi;
        }
        worst = std::max(worst, R * (1.0 - std::cos(d / 2.0)));
    }
    return worst;
}

TEST_F(HubFixture, BoreOutlineWithDinKeywayRunsAroundAndOutThroughTheNotch) {
    Choose(0, 1, 0);
    GearData gear = Gear(20.0);
    Validate(gear);
    ASSERT_EQ(gear.keyWidth, 6.0);
    ASSERT_EQ(gear.keyDepthHub, 2.8);

    const std::vector<Point> outline = BoreOutline(gear, 0.001);
    ASSERT_GE(outline.size(), 7u);
    const size_t n = outline.size();
    EXPECT_NEAR(outline[0].x, std::sqrt(91.0), 0.001);
    EXPECT_NEAR(outline[0].y, 3.0, 0.001);
    EXPECT_NEAR(outline[n - 3].x, std::sqrt(91.0), 0.001);
    EXPECT_NEAR(outline[n - 3].y, -3.0, 0.001);
    EXPECT_NEAR(outline[n - 2].x, 12.8, 0.001);
    EXPECT_NEAR(outline[n - 2].y, -3.0, 0.001);
    EXPECT_NEAR(outline[n - 1].x, 12.8, 0.001);
    EXPECT_NEAR(outline[n - 1].y, 3.0, 0.001);

    // The arc stays on the bore, turns counter-clockwise through the far side and keeps
    // within the chord tolerance.
    const std::vector<Point> arc(outline.begin(), outline.end() - 2);
    double previous = std::atan2(arc[0].y, arc[0].x);
    for (size_t i = 0; i < arc.size(); ++i) {
        EXPECT_NEAR(std::hypot(arc[i].x, arc[i].y), 10.0, 1e-9);
        double angle = std::atan2(arc[i].y, arc[i].x);
        if (angle < 0) {
            angle += 2.0 * std::numbers::pi;
        }
        if (i > 0) {
            EXPECT_GT(angle, previous);
        }
        previous = angle;
    }
    EXPECT_LE(LargestChordError(arc, 10.0), 0.001 + 1e-12);
    // The polygon is not closed by a repeated point.
    EXPECT_FALSE(outline.front().x == outline.back().x && outline.front().y == outline.back().y);
}

TEST_F(HubFixture, BoreOutlineWithoutKeywayIsAPlainCircle) {
    GearData gear = Gear(20.0);
    Validate(gear);
    for (double tolerance : {0.001, 0.25, 100.0}) {
        SCOPED_TRACE(tolerance);
        const std::vector<Point> outline = BoreOutline(gear, tolerance);
        ASSERT_GE(outline.size(), 72u);  // never coarser than 5 degrees
        EXPECT_NEAR(outline[0].x, 10.0, 1e-12);
        EXPECT_NEAR(outline[0].y, 0.0, 1e-12);
        for (const Point& p : outline) {
            EXPECT_NEAR(std::hypot(p.x, p.y), 10.0, 1e-9);
        }
        std::vector<Point> closed = outline;
        closed.push_back(outline.front());
        EXPECT_LE(LargestChordError(closed, 10.0), tolerance + 1e-12);
        EXPECT_GT(std::hypot(outline.back().x - 10.0, outline.back().y), 1e-6);
    }

    EXPECT_TRUE(BoreOutline(Gear(0.0), 0.001).empty());
}

TEST_F(HubFixture, BoreOutlineSurvivesNonsenseTolerances) {
    GearData gear = Gear(20.0);
    Validate(gear);
    for (double tolerance : {0.0, -1.0, std::nan("")}) {
        SCOPED_TRACE(tolerance);
        const std::vector<Point> outline = BoreOutline(gear, tolerance);
        EXPECT_GE(outline.size(), 72u);
        EXPECT_LE(outline.size(), 1000000u);
    }
}

}  // namespace
