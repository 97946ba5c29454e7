// Start-up of the windows around the core.
#include "qt/gui_shell.h"

#include <QApplication>
#include <algorithm>

#include "app/app.h"
#include "app/platform.h"
#include "qt/bridge.h"
#include "qt/dialog_window.h"
#include "qt/layout_metrics.h"
#include "qt/main_window.h"

GuiShell::GuiShell(AppState& state, Platform& platform)
    : state_(state), platform_(platform), bridge_(std::make_unique<UiBridge>(state)) {}

GuiShell::~GuiShell() {
    // No widget may reach the core while the windows are taken down.
    bridge_->Detach();
    main_.reset();
}

void GuiShell::Start(const TextTable& texts, const std::vector<std::string>& args) {
    const LayoutMetrics metrics =
        MeasureLayoutMetrics(QApplication::font(), LongestRowLabels(texts));
    bridge_->SetMetrics(metrics);

    // The first fit of the view wants the canvas size the window will open with.
    const int desktopHeight = platform_.DesktopHeight();
    int height = 860;
    if (desktopHeight > 0 && desktopHeight - 80 < height) {
        height = desktopHeight - 80;
    }
    state_.canvasWidth = std::max(50, 1280 - metrics.leftColumnW - 12);
    state_.canvasHeight = std::max(50, height - 16);

    StartUp(state_, texts, platform_, args);

    main_ = std::make_unique<QtMainWindow>(state_, *bridge_, metrics);
    bridge_->RegisterWindow(kMainWindow, main_.get());
    hub_ = new DialogWindow(state_, *bridge_, kHubWindow, metrics, main_.get());
    bridge_->RegisterWindow(kHubWindow, hub_);
    main_->PlaceOnScreen(desktopHeight);
    // Every control is still marked as changed by the program: this fills all widgets and
    // shows the main window.
    bridge_->Sync();
}
