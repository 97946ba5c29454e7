// The event loop's handlers: the modified rule, the routing table of control events,
// menu items, close requests and the animation timer.
#include <cmath>
#include <numbers>

#include "app/app.h"
#include "app/platform.h"
#include "app/tab_updates.h"
#include "hub/hub_window.h"
#include "search/module_search.h"
#include "texts/text_table.h"
#include "view/refresh_view.h"
#include "view/zoom_pan.h"

namespace {

// Which events a route takes.
enum class On { Change, Any, ChangeOrClick, Mouse };
// A route guarded by a tab runs only while that tab is the active one.
constexpr int kAnyTab = -1;

using Handler = void (*)(AppState&, const ControlEvent&);

struct Route {
    int first;  // control ids first..last
    int last;
    On on;
    int tab;
    Handler handler;
};

GearTab ActiveTab(const AppState& state) {
    return static_cast<GearTab>(state.ui.Get(ctl::kTabs).state);
}

void ClearResult(AppState& state) {
    state.viewMode = ViewMode::None;
    state.ui.SetText(ctl::kReport, "");
    RefreshView(state);
}

void SwitchTab(AppState& state, const ControlEvent&) {
    state.rotationAngle = 0.0;
    MarkModified(state);
    switch (ActiveTab(state)) {
        case GearTab::Single:
            UpdateSingleTab(state, true);
            break;
        case GearTab::Pair:
            if (state.pairSel >= 0) {
                UpdatePairTab(state, true);
            } else {
                ClearResult(state);
            }
            break;
        case GearTab::Rack:
        case GearTab::Internal:
            // The rack pair and the internal pair are not computed by this version.
            ClearResult(state);
            break;
    }
}

void OnPairField(AppState& state, const ControlEvent&) {
    UpdatePairTab(state, false);
}

void OnCalculatePairModules(AppState& state, const ControlEvent&) {
    SearchPairModules(state);
    if (!state.pairRows.empty()) {
        state.ui.SetState(ctl::kPairList, 0);
        ApplyPairRow(state, 0);
    }
}

void OnPairList(AppState& state, const ControlEvent&) {
    const int64_t index = state.ui.Get(ctl::kPairList).state;
    if (index >= 0 && index != state.pairSel) {
        ApplyPairRow(state, index);
        MarkModified(state);
    }
}

void OnSingleField(AppState& state, const ControlEvent& event) {
    // Module, teeth, pressure angle, helix angle and hand change the size: refit.
    const int id = event.id;
    const bool fit = !(id == ctl::kSingleShift || id == ctl::kSingleFaceWidth ||
                       id == ctl::kSingleAllowance || id == ctl::kSingleBore);
    UpdateSingleTab(state, fit);
}

void OnRotate(AppState& state, const ControlEvent&) {
    state.timerRunning = state.ui.Get(ctl::kRotate).state != 0;
}

void OnRedraw(AppState& state, const ControlEvent&) {
    RefreshView(state);
}
void OnHelpButton(AppState& state, const ControlEvent&) {
    const TextTable& texts = *state.texts;
    const int item = state.platform->ShowPopupMenu(
        {{kMenuUserGuide, texts(TextId::kMenuUserGuide)}, {kMenuAbout, texts(TextId::kMenuAbout)}});
    if (item >= 0) {
        HandleMenuItem(state, item);
    }
}
void OnHubButton(AppState& state, const ControlEvent&) {
    OpenHubDialog(state);
}
void OnHubClose(AppState& state, const ControlEvent&) {
    HandleCloseRequest(state, kHubWindow);
}
void OnHubField(AppState& state, const ControlEvent&) {
    UpdateActiveTab(state);
}
void OnCanvas(AppState& state, const ControlEvent& event) {
    HandleCanvasEvent(state, event);
}

constexpr Route kRoutes[] = {
    {ctl::kTabs, ctl::kTabs, On::Change, kAnyTab, SwitchTab},
    {ctl::kPairHand, ctl::kPairHand, On::Change, static_cast<int>(GearTab::Pair), OnPairField},
    {ctl::kPairX1, ctl::kPairX1, On::Change, static_cast<int>(GearTab::Pair), OnPairField},
    {ctl::kPairFaceWidth, ctl::kPairBore2, On::Change, static_cast<int>(GearTab::Pair),
     OnPairField},
    {ctl::kPairCalculate, ctl::kPairCalculate, On::Any, kAnyTab, OnCalculatePairModules},
    {ctl::kPairList, ctl::kPairList, On::ChangeOrClick, kAnyTab, OnPairList},
    {ctl::kSingleModule, ctl::kSingleBore, On::Change, static_cast<int>(GearTab::Single),
     OnSingleField},
    {ctl::kRotate, ctl::kRotate, On::Any, kAnyTab, OnRotate},
    {ctl::kLineOfAction, ctl::kLineOfAction, On::Any, kAnyTab, OnRedraw},
    {ctl::kHelp, ctl::kHelp, On::Any, kAnyTab, OnHelpButton},
    {ctl::kHubButton, ctl::kHubButton, On::Any, kAnyTab, OnHubButton},
    {ctl::kCanvas, ctl::kCanvas, On::Mouse, kAnyTab, OnCanvas},
    {ctl::kHubClose, ctl::kHubClose, On::Any, kAnyTab, OnHubClose},
    {114, 119, On::Change, kAnyTab, OnHubField},
    {121, 126, On::Change, kAnyTab, OnHubField},
};

bool Accepts(On on, EventKind kind) {
    switch (on) {
        case On::Change:
            return kind == EventKind::Change;
        case On::Any:
            return kind == EventKind::Change || kind == EventKind::Click;
        case On::ChangeOrClick:
            return kind == EventKind::Change || kind == EventKind::Click;
        case On::Mouse:
            return kind == EventKind::MouseEnter || kind == EventKind::MouseDown ||
                   kind == EventKind::MouseMove || kind == EventKind::MouseUp ||
                   kind == EventKind::Wheel || kind == EventKind::DoubleClick;
    }
    return false;
}

void ApplyModifiedRule(AppState& state, const ControlEvent& event) {
    if (state.projectControls.count(event.id) == 0 || !state.ui.Has(event.id)) {
        return;
    }
    const ControlKind kind = state.ui.Get(event.id).kind;
    if (event.kind == EventKind::Change || kind == ControlKind::Check ||
        kind == ControlKind::Slider) {
        MarkModified(state);
    }
}

}  // namespace

void HandleControlEvent(AppState& state, const ControlEvent& event) {
    ApplyModifiedRule(state, event);
    for (const Route& route : kRoutes) {
        if (event.id < route.first || event.id > route.last || !Accepts(route.on, event.kind)) {
            continue;
        }
        if (route.tab != kAnyTab && static_cast<int>(ActiveTab(state)) != route.tab) {
            return;
        }
        route.handler(state, event);
        return;
    }
}

void HandleMenuItem(AppState& state, int item) {
    switch (item) {
        case kMenuUserGuide:
            ShowHelp(state);
            break;
        case kMenuAbout:
            ShowAbout(state);
            break;
        default:
            // Opening and saving projects are not part of this version.
            break;
    }
}

void HandleCloseRequest(AppState& state, int window) {
    switch (window) {
        case kMainWindow:
            state.quitRequested = true;
            break;
        case kHubWindow:
            CloseHubDialog(state);
            break;
        default:
            break;
    }
}

void HandleTimerTick(AppState& state) {
    if (state.viewMode == ViewMode::None) {
        return;
    }
    const double speed = static_cast<double>(state.ui.Get(ctl::kSpeed).state);
    state.rotationAngle += 0.05 * speed * std::numbers::pi / 180.0;
    if (state.rotationAngle > 2.0 * std::numbers::pi) {
        state.rotationAngle -= 2.0 * std::numbers::pi;
    }
    RefreshView(state);
}
