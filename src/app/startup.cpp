// The start-up sequence and the user actions that the toolkit or the batch driver forward.
#include <clocale>
#include <utility>

#include "app/app.h"
#include "app/main_window.h"
#include "hub/hub_window.h"
#include "search/module_search.h"
#include "texts/text_table.h"
#include "view/refresh_view.h"

void StartUp(AppState& state, const TextTable& texts, Platform& platform,
             const std::vector<std::string>& args) {
    // Numbers are read and written with a point whatever the user's regional settings.
    std::setlocale(LC_NUMERIC, "C");

    // The toolkit may have sized the canvas already; the first fit must use that size.
    const double canvasWidth = state.canvasWidth;
    const double canvasHeight = state.canvasHeight;
    const double displayScale = state.view.displayScale;
    state = AppState{};
    state.canvasWidth = canvasWidth;
    state.canvasHeight = canvasHeight;
    state.view.displayScale = displayScale;
    state.texts = &texts;
    state.platform = &platform;
    BuildMainWindow(state);
    BuildHubWindow(state);
    state.fieldTable = BuildFieldTable(state.projectControls);

    // The program opens on the first combination of the default pair search.
    SearchPairModules(state);
    if (!state.pairRows.empty()) {
        state.ui.SetState(ctl::kPairList, 0);
        ApplyPairRow(state, 0);
    } else {
        RefreshView(state);
    }
    UpdateTitle(state);
    // A project named on the command line is not opened by this version; the argument is
    // ignored.
    (void)args;
}

void UserSetText(AppState& state, int id, const std::string& text) {
    // The widget already shows what the user typed: the model follows without marking it.
    state.ui.Get(id).text = text;
    HandleControlEvent(state, {id, EventKind::Change});
}

void UserChoose(AppState& state, int id, int64_t n) {
    state.ui.Get(id).state = n;
    HandleControlEvent(state, {id, EventKind::Change});
}

void UserClick(AppState& state, int id) {
    HandleControlEvent(state, {id, EventKind::Click});
}

void ResizeCanvas(AppState& state, double width, double height) {
    state.canvasWidth = width;
    state.canvasHeight = height;
    RefreshView(state);
}
