// The scene of the gear view: hint, status line, gear bodies with bore and keyway, circles,
// the mesh position of gear 2 and the clipping at extreme zoom.
#include "view/refresh_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "geometry/external_outline.h"
#include "texts/text_table.h"
#include "view/draw_context.h"
#include "view/zoom_pan.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

bool SameColour(Colour a, Colour b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

GearData MakeGear(double mn, int64_t z, double bore = 0.0) {
    GearData g;
    g.mn = mn;
    g.z = z;
    g.alphaN = 20.0 * kPi / 180.0;
    GenerateExternalGear(g, 1);
    g.bore = bore;
    return g;
}

AppState SingleState(const GearData& g) {
    AppState state;
    state.texts = &EnglishTexts();
    state.gear1 = g;
    state.viewMode = ViewMode::Single;
    return state;
}

void SetView(AppState& state, double zoom, double cx, double cy) {
    state.view.zoom = zoom;
    state.view.centreX = cx;
    state.view.centreY = cy;
}

// Even-odd rule over all sub-paths of a filled path, as the canvas fills it.
bool EvenOddInside(const ScenePath& path, Point p) {
    bool inside = false;
    for (const SubPath& sub : path.subPaths) {
        const std::vector<Point>& v = sub.points;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            if ((v[i].y > p.y) != (v[j].y > p.y) &&
                p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x) {
                inside = !inside;
            }
        }
    }
    return inside;
}

std::vector<const ScenePath*> Paths(const Scene& scene,
                                    const std::function<bool(const ScenePath&)>& pick) {
    std::vector<const ScenePath*> found;
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Path && pick(item.path)) {
            found.push_back(&item.path);
        }
    }
    return found;
}

std::vector<const ScenePath*> Bodies(const Scene& scene, Colour colour) {
    return Paths(scene,
                 [&](const ScenePath& p) { return p.filled && SameColour(p.fillColour, colour); });
}

std::vector<const ScenePath*> Dashed(const Scene& scene, std::vector<double> dashes) {
    return Paths(scene, [&](const ScenePath& p) { return !p.filled && p.dashPattern == dashes; });
}

std::vector<const SceneText*> Texts(const Scene& scene) {
    std::vector<const SceneText*> found;
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Text) {
            found.push_back(&item.text);
        }
    }
    return found;
}

const Colour kGear1{140, 175, 220, 255};
const Colour kGear2{235, 185, 110, 255};

TEST(SceneTest, NoDesignShowsOnlyTheHint) {
    struct Case {
        const TextTable* texts;
        std::string hint;
    };
    const Case cases[] = {
        {&EnglishTexts(), "Calculate the modules and pick a row, or make a single gear."},
        {&DutchTexts(), "Bereken de modulen en kies een regel, of maak een enkel tandwiel."},
    };
    for (const Case& c : cases) {
        AppState state;
        state.texts = c.texts;
        state.gear1 = MakeGear(2.0, 20);  // a computed gear is not drawn without a view mode
        const Scene scene = BuildScene(state, 900.0, 700.0);
        EXPECT_EQ(scene.width, 900.0);
        EXPECT_EQ(scene.height, 700.0);
        EXPECT_TRUE(SameColour(scene.background, {250, 250, 252, 255}));
        ASSERT_EQ(scene.items.size(), 1u);
        ASSERT_EQ(scene.items[0].kind, SceneItem::Kind::Text);
        const SceneText& hint = scene.items[0].text;
        EXPECT_EQ(hint.text, c.hint);
        EXPECT_EQ(hint.topLeft.x, 20.0);
        EXPECT_EQ(hint.topLeft.y, 20.0);
        EXPECT_EQ(hint.pixelSize, 16.0);
        EXPECT_TRUE(SameColour(hint.colour, {120, 120, 130, 255}));
    }
}

TEST(SceneTest, FittedSingleGearWithCirclesCrossAndStatusLine) {
    AppState state = SingleState(MakeGear(2.0, 20));
    ASSERT_NEAR(state.gear1.ra, 22.0, 1e-9);
    FitView(state);
    EXPECT_NEAR(state.view.zoom, 640.0 / 44.0, 1e-12);
    const double zoom = state.view.zoom;
    const Scene scene = BuildScene(state, 900.0, 700.0);

    const std::vector<const SceneText*> texts = Texts(scene);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "Wheel = zoom   drag = pan   double-click = fit   (14.55 px/mm)");
    EXPECT_EQ(texts[0]->topLeft.x, 10.0);
    EXPECT_EQ(texts[0]->topLeft.y, 676.0);
    EXPECT_EQ(texts[0]->pixelSize, 13.0);
    EXPECT_TRUE(SameColour(texts[0]->colour, {90, 90, 100, 255}));

    state.texts = &DutchTexts();
    const Scene dutchScene = BuildScene(state, 900.0, 700.0);
    const std::vector<const SceneText*> dutch = Texts(dutchScene);
    ASSERT_EQ(dutch.size(), 1u);
    EXPECT_EQ(dutch[0]->text,
              "Wiel = zoomen   slepen = verschuiven   dubbelklik = passend   (14.55 px/mm)");

    const std::vector<const ScenePath*> bodies = Bodies(scene, kGear1);
    ASSERT_EQ(bodies.size(), 1u);
    const ScenePath& body = *bodies[0];
    EXPECT_TRUE(body.stroked);
    EXPECT_TRUE(SameColour(body.strokeColour, {30, 30, 40, 255}));
    EXPECT_DOUBLE_EQ(body.strokeWidth, 1.2);
    EXPECT_TRUE(body.dashPattern.empty());
    ASSERT_EQ(body.subPaths.size(), 1u);  // no bore
    // Gear centre at the canvas centre; tooth 0 on +x, a space half a pitch further on.
    const double r = state.gear1.r;
    EXPECT_TRUE(EvenOddInside(body, {450.0, 350.0}));
    EXPECT_TRUE(EvenOddInside(body, {450.0 + r * zoom, 350.0}));
    EXPECT_FALSE(EvenOddInside(
        body, {450.0 + r * zoom * std::cos(kPi / 20), 350.0 - r * zoom * std::sin(kPi / 20)}));
    EXPECT_FALSE(EvenOddInside(body, {450.0 + 23.0 * zoom, 350.0}));

    struct CircleCase {
        std::string name;
        std::vector<double> dashes;
        Colour colour;
        double radius;
    };
    const CircleCase circles[] = {
        {"reference circle", {8.0, 8.0}, {0, 60, 200, 220}, r},
        {"base circle", {1.0, 3.0}, {0, 150, 60, 160}, state.gear1.rb},
    };
    for (const CircleCase& c : circles) {
        SCOPED_TRACE(c.name);
        const std::vector<const ScenePath*> found = Dashed(scene, c.dashes);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_TRUE(SameColour(found[0]->strokeColour, c.colour));
        EXPECT_DOUBLE_EQ(found[0]->strokeWidth, 1.0);
        ASSERT_EQ(found[0]->subPaths.size(), 1u);
        EXPECT_TRUE(found[0]->subPaths[0].closed);
        for (const Point& p : found[0]->subPaths[0].points) {
            EXPECT_NEAR(std::hypot(p.x - 450.0, p.y - 350.0), c.radius * zoom, 1e-9);
        }
    }
    EXPECT_TRUE(Dashed(scene, {5.0, 5.0}).empty());  // no hub

    const std::vector<const ScenePath*> cross = Dashed(scene, {10.0, 10.0});
    ASSERT_EQ(cross.size(), 1u);
    EXPECT_TRUE(SameColour(cross[0]->strokeColour, {200, 0, 0, 160}));
    ASSERT_EQ(cross[0]->subPaths.size(), 2u);
    const double L = (22.0 + 4.0) * zoom;
    EXPECT_NEAR(cross[0]->subPaths[0].points[0].x, 450.0 - L, 1e-9);
    EXPECT_NEAR(cross[0]->subPaths[0].points[1].x, 450.0 + L, 1e-9);
    EXPECT_NEAR(cross[0]->subPaths[1].points[0].y, 350.0 - L, 1e-9);
}

TEST(SceneTest, HubCircleOnlyWithAHub) {
    GearData g = MakeGear(2.0, 20, 10.0);
    g.hubSide = 3;
    g.hubDiameter = 24.0;
    g.hubLength = 8.0;
    AppState state = SingleState(g);
    FitView(state);
    const Scene scene = BuildScene(state, 900.0, 700.0);
    const std::vector<const ScenePath*> hub = Dashed(scene, {5.0, 5.0});
    ASSERT_EQ(hub.size(), 1u);
    EXPECT_TRUE(SameColour(hub[0]->strokeColour, {90, 90, 90, 200}));
    EXPECT_DOUBLE_EQ(hub[0]->strokeWidth, 1.2);
    for (const Point& p : hub[0]->subPaths[0].points) {
        EXPECT_NEAR(std::hypot(p.x - 450.0, p.y - 350.0), 12.0 * state.view.zoom, 1e-9);
    }
    // The bore is a hole in the body.
    const std::vector<const ScenePath*> body = Bodies(scene, kGear1);
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0]->subPaths.size(), 2u);
    EXPECT_FALSE(EvenOddInside(*body[0], {450.0, 350.0}));
    EXPECT_TRUE(EvenOddInside(*body[0], {450.0 + 8.0 * state.view.zoom, 350.0}));

    state.gear1.hubLength = 0.0;
    EXPECT_TRUE(Dashed(BuildScene(state, 900.0, 700.0), {5.0, 5.0}).empty());
}

TEST(SceneTest, PairGear2ShowsASpaceToTooth0OfGear1) {
    AppState state;
    state.texts = &EnglishTexts();
    state.gear1 = MakeGear(2.0, 20);
    state.gear2 = MakeGear(2.0, 40);
    state.pairCentreDistance = 60.0;
    state.viewMode = ViewMode::Pair;
    FitView(state);
    EXPECT_DOUBLE_EQ(PairGear2Angle(20, 40, 0.0), kPi + kPi / 40.0);
    // At theta = 0 and one pitch of gear 1 further, a tooth of gear 1 points at gear 2.
    for (double theta : {0.0, 2.0 * kPi / 20.0}) {
        SCOPED_TRACE(theta);
        state.rotationAngle = theta;
        const Scene scene = BuildScene(state, 900.0, 700.0);
        const std::vector<const ScenePath*> b1 = Bodies(scene, kGear1);
        const std::vector<const ScenePath*> b2 = Bodies(scene, kGear2);
        ASSERT_EQ(b1.size(), 1u);
        ASSERT_EQ(b2.size(), 1u);
        const DrawContext context = MakeDrawContext(state.view, 900.0, 700.0);
        // Across the pitch point on the line of centres: gear 1's tooth, gear 2's space.
        for (double x : {19.5, 20.0, 21.0}) {
            const Point p = WorldToScreen(context, x, 0.0);
            EXPECT_TRUE(EvenOddInside(*b1[0], p)) << x;
            EXPECT_FALSE(EvenOddInside(*b2[0], p)) << x;
        }
        // Gear 2 is solid around its own centre.
        EXPECT_TRUE(EvenOddInside(*b2[0], WorldToScreen(context, 60.0, 0.0)));
    }
}

TEST(SceneTest, ViewInsideTheBoreShowsOnlyBackground) {
    struct Case {
        std::string name;
        double keyWidth, keyDepth;
        double cx, cy;  // view centre, mm
        bool filled;    // the whole canvas shows the body colour
    };
    const Case cases[] = {
        {"plain bore", 0.0, 0.0, 1.0, 1.0, false},
        {"bore with a keyway", 6.0, 2.8, 1.0, 1.0, false},
        {"inside the keyway notch", 6.0, 2.8, 11.0, 0.0, false},
        {"beside the notch, in the steel", 6.0, 2.8, 11.0, 4.0, true},
        {"no keyway: the same spot is steel", 0.0, 0.0, 11.0, 0.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GearData g = MakeGear(2.0, 20, 20.0);
        g.keyWidth = c.keyWidth;
        g.keyDepthHub = c.keyDepth;
        AppState state = SingleState(g);
        SetView(state, 1000.0, c.cx, c.cy);  // the canvas is 0.9 x 0.7 mm
        const Scene scene = BuildScene(state, 900.0, 700.0);
        const std::vector<const ScenePath*> body = Bodies(scene, kGear1);
        ASSERT_EQ(body.size(), 1u);
        for (Point p : {Point{450, 350}, Point{0, 0}, Point{900, 0}, Point{0, 700}, Point{900, 700},
                        Point{200, 500}}) {
            EXPECT_EQ(EvenOddInside(*body[0], p), c.filled) << p.x << "," << p.y;
        }
    }
}

// The fraction of a grid of canvas points that the body fills.
double FilledFraction(const ScenePath& body) {
    int inside = 0;
    int total = 0;
    for (double x = 5.0; x < 900.0; x += 10.0) {
        for (double y = 5.0; y < 700.0; y += 10.0) {
            inside += EvenOddInside(body, {x, y}) ? 1 : 0;
            ++total;
        }
    }
    return static_cast<double>(inside) / total;
}

TEST(SceneTest, HighestZoomOnAToothStillFillsAndDrawsTheReferenceArc) {
    const GearData g = MakeGear(2.0, 20);
    const double r = g.r;
    const double phi = g.st / (2.0 * r);  // the flank crosses the reference circle here
    struct Case {
        std::string name;
        double angle;  // on the reference circle
        double minFilled, maxFilled;
    };
    const Case cases[] = {
        {"on the tooth centre line", 0.0, 1.0, 1.0},
        {"where the flank crosses the reference circle", phi, 0.05, 0.95},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = SingleState(g);
        SetView(state, 100000.0, r * std::cos(c.angle), r * std::sin(c.angle));
        const Scene scene = BuildScene(state, 900.0, 700.0);
        const std::vector<const ScenePath*> body = Bodies(scene, kGear1);
        ASSERT_EQ(body.size(), 1u);
        ASSERT_GE(body[0]->subPaths.size(), 1u);
        EXPECT_GE(body[0]->subPaths[0].points.size(), 3u);
        const double filled = FilledFraction(*body[0]);
        EXPECT_GE(filled, c.minFilled);
        EXPECT_LE(filled, c.maxFilled);

        const std::vector<const ScenePath*> reference = Dashed(scene, {8.0, 8.0});
        ASSERT_EQ(reference.size(), 1u);
        const DrawContext context = MakeDrawContext(state.view, 900.0, 700.0);
        const Point centre = WorldToScreen(context, 0.0, 0.0);
        size_t count = 0;
        for (const SubPath& sub : reference[0]->subPaths) {
            count += sub.points.size();
            for (size_t i = 0; i + 1 < sub.points.size(); ++i) {
                const Point mid{(sub.points[i].x + sub.points[i + 1].x) / 2,
                                (sub.points[i].y + sub.points[i + 1].y) / 2};
                // Chords stay within a quarter pixel of the true circle.
                EXPECT_LE(r * 100000.0 - std::hypot(mid.x - centre.x, mid.y - centre.y),
                          0.25 + 1e-6);
            }
        }
        EXPECT_GE(count, 2u);
        EXPECT_LE(count, 100001u);
    }
}

TEST(SceneTest, EveryPointStaysWithinTheClipRectangle) {
    GearData g = MakeGear(2.0, 20, 12.0);
    g.keyWidth = 4.0;
    g.keyDepthHub = 1.8;
    g.hubSide = 1;
    g.hubDiameter = 24.0;
    g.hubLength = 8.0;
    struct Case {
        std::string name;
        double zoom, cx, cy;
    };
    const Case cases[] = {
        {"whole gear", 14.0, 0.0, 0.0},
        {"gear larger than the view", 60.0, 15.0, -5.0},
        {"highest zoom on the keyway", 100000.0, 6.0, 2.0},
        {"panned far away", 10.0, 500.0, 300.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = SingleState(g);
        SetView(state, c.zoom, c.cx, c.cy);
        const Scene scene = BuildScene(state, 900.0, 700.0);
        for (const SceneItem& item : scene.items) {
            for (const SubPath& sub : item.path.subPaths) {
                for (const Point& p : sub.points) {
                    ASSERT_TRUE(p.x >= -40.0 && p.x <= 940.0 && p.y >= -40.0 && p.y <= 740.0)
                        << p.x << "," << p.y;
                }
            }
        }
    }
}

TEST(SceneTest, GearWithoutOutlineAndCanvasWithoutArea) {
    AppState state = SingleState(GearData{});
    const Scene scene = BuildScene(state, 900.0, 700.0);
    ASSERT_EQ(scene.items.size(), 1u);  // the status line only
    EXPECT_EQ(scene.items[0].kind, SceneItem::Kind::Text);

    state.gear1 = MakeGear(2.0, 20);
    EXPECT_TRUE(BuildScene(state, 0.0, 700.0).items.empty());
    EXPECT_TRUE(BuildScene(state, 900.0, -1.0).items.empty());
}

TEST(SceneTest, RefreshViewRedrawsForTheCanvasSize) {
    AppState state = SingleState(MakeGear(2.0, 20));
    state.canvasWidth = 640.0;
    state.canvasHeight = 480.0;
    const uint64_t before = state.sceneRevision;
    RefreshView(state);
    EXPECT_EQ(state.sceneRevision, before + 1);
    EXPECT_EQ(state.scene.width, 640.0);
    EXPECT_EQ(state.scene.height, 480.0);
    const std::vector<const SceneText*> texts = Texts(state.scene);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->topLeft.y, 456.0);
}

}  // namespace
