// The one application state of a run: gears, search results, view, project and windows.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/controls.h"
#include "geometry/gear_data.h"
#include "project/field_table.h"
#include "search/module_row.h"
#include "view/scene.h"
#include "view/view_transform.h"

class Platform;
struct TextTable;

enum class ViewMode { None = 0, Pair = 1, Single = 2, Rack = 3, Internal = 4 };
enum class GearTab { Pair = 0, Single = 1, Rack = 2, Internal = 3 };

// A top-level window as the shell sees it.
struct WindowModel {
    std::string title;
    bool visible = false;
};

struct AppState {
    // Design records
    GearData gear1;
    GearData gear2;
    GearData ring;
    GearData rack;

    std::vector<ModuleRow> pairRows;
    int64_t pairSel = -1;
    std::vector<ModuleRow> internalRows;
    int64_t internalSel = -1;
    double pairCentreDistance = 0.0;
    double pairShiftSum = 0.0;
    double internalCentreDistance = 0.0;
    double internalShiftDiff = 0.0;
    double interferenceDepth = -1.0;

    ViewMode viewMode = ViewMode::None;
    double rotationAngle = 0.0;
    ViewTransform view;
    DragState drag;

    std::string projectPath;
    bool modified = false;
    bool quitRequested = false;
    bool strengthDialogShown = false;
    bool hubDialogShown = false;
    std::vector<ProjectField> fieldTable;
    std::set<int> projectControls;

    // The shell's surroundings: texts of the build, the platform port, the controls,
    // the windows, the canvas and its latest drawing.
    const TextTable* texts = nullptr;
    Platform* platform = nullptr;
    ControlModel ui;
    WindowModel windows[3];
    bool timerRunning = false;
    double canvasWidth = 900.0;  // logical px
    double canvasHeight = 700.0;
    Scene scene;
    uint64_t sceneRevision = 0;
};
