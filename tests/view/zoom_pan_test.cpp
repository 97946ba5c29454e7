// Fitting the view to each view mode, wheel zoom about the cursor, drag pan, double click.
#include "view/zoom_pan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "texts/text_table.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

ControlEvent CanvasEvent(EventKind kind, int x = 0, int y = 0, int delta = 0) {
    ControlEvent e;
    e.id = 102;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.delta = delta;
    return e;
}

TEST(FitViewTest, BoxOfEachViewMode) {
    struct Case {
        std::string name;
        ViewMode mode;
        double width, height;
        void (*setUp)(AppState&);
        double zoom, centreX, centreY;
    };
    const Case cases[] = {
        {"single gear m 2 z 20", ViewMode::Single, 900, 700, [](AppState& s) { s.gear1.ra = 22.0; },
         640.0 / 44.0, 0.0, 0.0},
        {"pair ra 21 and 41 at a = 60", ViewMode::Pair, 900, 700,
         [](AppState& s) {
             s.gear1.ra = 21.0;
             s.gear2.ra = 41.0;
             s.pairCentreDistance = 60.0;
         },
         860.0 / 122.0, 40.0, 0.0},
        {"internal pair: the rim decides", ViewMode::Internal, 900, 700,
         [](AppState& s) { s.ring.rOuter = 100.0; }, 640.0 / 200.0, 0.0, 0.0},
        {"internal pair without rim: at least 1 mm", ViewMode::Internal, 900, 700, [](AppState&) {},
         640.0 / 2.0, 0.0, 0.0},
        // y0 = -(20 + 0.5 * 2) = -21; box x from -(60 + 2 pi) to +(60 + 2 pi), y from -26.5 to 22.
        {"rack below the pinion", ViewMode::Rack, 900, 700,
         [](AppState& s) {
             s.gear1.ra = 22.0;
             s.gear1.r = 20.0;
             s.gear1.x = 0.5;
             s.gear1.mn = 2.0;
             s.rack.rackLength = 120.0;
             s.rack.mt = 2.0;
             s.rack.rackHeight = 5.5;
         },
         std::min(860.0 / (120.0 + 4.0 * kPi), 640.0 / 48.5), 0.0, -2.25},
        {"canvas narrower than the margin", ViewMode::Single, 30, 700,
         [](AppState& s) { s.gear1.ra = 22.0; }, 1.0, 0.0, 0.0},
        {"gear without size", ViewMode::Single, 900, 700, [](AppState&) {}, 1.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state;
        state.viewMode = c.mode;
        state.canvasWidth = c.width;
        state.canvasHeight = c.height;
        state.view.zoom = 123.0;
        state.view.centreX = 7.0;
        state.view.centreY = 8.0;
        c.setUp(state);
        FitView(state);
        EXPECT_NEAR(state.view.zoom, c.zoom, 1e-12);
        EXPECT_NEAR(state.view.centreX, c.centreX, 1e-12);
        EXPECT_NEAR(state.view.centreY, c.centreY, 1e-12);
    }
    EXPECT_NEAR(860.0 / 122.0, 7.05, 0.005);

    AppState none;
    none.view.zoom = 3.0;
    none.view.centreX = 4.0;
    FitView(none);
    EXPECT_EQ(none.view.zoom, 3.0);
    EXPECT_EQ(none.view.centreX, 4.0);
}

TEST(WheelTest, ZoomFactorAndLimits) {
    struct Case {
        std::string name;
        double start;
        int notches;
        double zoom;
    };
    const Case cases[] = {
        {"ten notches out", 1.0, -10, std::pow(1.2, -10)},
        {"three notches in", 2.0, 3, 2.0 * 1.728},
        {"far out stops at 0.01", 1.0, -100, 0.01},
        {"far in stops at 100000", 1.0, 100, 100000.0},
        {"at the limit stays", 100000.0, 1, 100000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state;
        state.texts = &EnglishTexts();
        state.view.zoom = c.start;
        HandleCanvasEvent(state, CanvasEvent(EventKind::Wheel, 450, 350, c.notches));
        EXPECT_NEAR(state.view.zoom, c.zoom, 1e-12 * c.zoom);
        EXPECT_EQ(state.sceneRevision, 1u);
    }
    EXPECT_NEAR(std::pow(1.2, -10), 0.1615, 1e-4);
}

TEST(WheelTest, WorldPointUnderTheCursorStays) {
    AppState state;
    state.texts = &EnglishTexts();
    state.view = {15.0, 3.0, -2.0, 1.0};
    const int mx = 700;
    const int my = 120;
    const double wx = state.view.centreX + (mx - 450.0) / state.view.zoom;
    const double wy = state.view.centreY - (my - 350.0) / state.view.zoom;
    for (int notches : {5, -7, 60}) {
        HandleCanvasEvent(state, CanvasEvent(EventKind::Wheel, mx, my, notches));
        EXPECT_NEAR(state.view.centreX + (mx - 450.0) / state.view.zoom, wx, 1e-9);
        EXPECT_NEAR(state.view.centreY - (my - 350.0) / state.view.zoom, wy, 1e-9);
    }
    EXPECT_EQ(state.view.zoom, 100000.0);
}

TEST(DragTest, DrawingFollowsTheMouse) {
    AppState state;
    state.texts = &EnglishTexts();
    state.view.zoom = 10.0;
    state.view.centreX = 5.0;
    state.view.centreY = 1.0;

    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseMove, 300, 300));
    EXPECT_EQ(state.view.centreX, 5.0);  // no button held
    EXPECT_EQ(state.sceneRevision, 0u);

    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseDown, 100, 100));
    EXPECT_TRUE(state.drag.dragging);
    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseMove, 150, 80));
    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseMove, 200, 100));
    EXPECT_NEAR(state.view.centreX, 5.0 - 10.0, 1e-12);
    EXPECT_NEAR(state.view.centreY, 1.0, 1e-12);
    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseMove, 200, 150));
    EXPECT_NEAR(state.view.centreY, 1.0 + 5.0, 1e-12);  // dragging down moves the view up
    EXPECT_EQ(state.sceneRevision, 3u);

    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseUp, 200, 150));
    EXPECT_FALSE(state.drag.dragging);
    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseMove, 400, 400));
    EXPECT_NEAR(state.view.centreX, -5.0, 1e-12);
    EXPECT_EQ(state.view.zoom, 10.0);
}

TEST(CanvasEventTest, DoubleClickFitsAndRedrawsEnterDoesNothing) {
    AppState state;
    state.texts = &EnglishTexts();
    state.viewMode = ViewMode::Single;
    state.gear1.ra = 22.0;
    state.view = {3.0, 9.0, 9.0, 1.0};

    HandleCanvasEvent(state, CanvasEvent(EventKind::MouseEnter, 10, 10));
    EXPECT_EQ(state.sceneRevision, 0u);
    EXPECT_EQ(state.view.zoom, 3.0);

    HandleCanvasEvent(state, CanvasEvent(EventKind::DoubleClick, 10, 10));
    EXPECT_NEAR(state.view.zoom, 640.0 / 44.0, 1e-12);
    EXPECT_EQ(state.view.centreX, 0.0);
    EXPECT_EQ(state.sceneRevision, 1u);
    EXPECT_FALSE(state.scene.items.empty());
}

}  // namespace
