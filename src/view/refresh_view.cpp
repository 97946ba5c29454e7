// The scene of the gear view: background, the gears of the current view mode, hint or
// status line.
#include "view/refresh_view.h"

#include <cmath>

#include "app/format.h"
#include "texts/text_table.h"
#include "view/draw_context.h"
#include "view/draw_gear.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kHintColour{120, 120, 130, 255};
constexpr Colour kStatusColour{90, 90, 100, 255};

void AddText(Scene& scene, double x, double y, double pixelSize, Colour colour, std::string text) {
    SceneItem item;
    item.kind = SceneItem::Kind::Text;
    item.text.topLeft = {x, y};
    item.text.pixelSize = pixelSize;
    item.text.colour = colour;
    item.text.text = std::move(text);
    scene.items.push_back(std::move(item));
}

}  // namespace

double PairGear2Angle(int64_t z1, int64_t z2, double theta) {
    if (z2 <= 0) {
        return kPi;
    }
    const double zRatio = static_cast<double>(z1) / static_cast<double>(z2);
    return kPi + kPi / static_cast<double>(z2) - theta * zRatio;
}

Scene BuildScene(const AppState& state, double width, double height) {
    Scene scene;
    if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height)) {
        return scene;  // nothing can be drawn on a canvas without area
    }
    scene.width = width;
    scene.height = height;
    scene.background = {250, 250, 252, 255};
    const TextTable& texts = state.texts ? *state.texts : EnglishTexts();
    const DrawContext context = MakeDrawContext(state.view, width, height);
    const double theta = state.rotationAngle;

    switch (state.viewMode) {
        case ViewMode::None:
            AddText(scene, 20.0, 20.0, 16.0, kHintColour, texts(TextId::kViewHint));
            return scene;
        case ViewMode::Pair:
            DrawGear(scene, context, state.gear1, 0.0, 0.0, theta, kGear1Colour);
            DrawGear(scene, context, state.gear2, state.pairCentreDistance, 0.0,
                     PairGear2Angle(state.gear1.z, state.gear2.z, theta), kGear2Colour);
            // The line-of-action overlay is drawn here once it exists.
            break;
        case ViewMode::Single:
            DrawGear(scene, context, state.gear1, 0.0, 0.0, theta, kGear1Colour);
            break;
        case ViewMode::Rack:
            // Pinion with rack: not drawn yet.
            break;
        case ViewMode::Internal:
            // Pinion in a ring gear: not drawn yet.
            break;
    }
    // The critical root sections of the strength window are marked here once they exist.

    AddText(scene, 10.0, height - 24.0, 13.0, kStatusColour,
            Fill(texts(TextId::kViewStatus), {FormatFixed(state.view.zoom, 2)}));
    return scene;
}

void RefreshView(AppState& state) {
    state.scene = BuildScene(state, state.canvasWidth, state.canvasHeight);
    ++state.sceneRevision;
}
