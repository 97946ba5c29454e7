// The windows of one run: the core's start-up, then the main window and the hub window
// built from the control model and kept in step with it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"

class DialogWindow;
class Platform;
class QtMainWindow;
class UiBridge;

class GuiShell {
  public:
    GuiShell(AppState& state, Platform& platform);
    ~GuiShell();
    GuiShell(const GuiShell&) = delete;
    GuiShell& operator=(const GuiShell&) = delete;

    // Runs the core's start-up (messages of the first search show on their own), builds the
    // windows from the model, places the main window on the screen and shows it.
    void Start(const TextTable& texts, const std::vector<std::string>& args);

    UiBridge& Bridge() const { return *bridge_; }
    QtMainWindow* MainWindow() const { return main_.get(); }
    DialogWindow* HubWindow() const { return hub_; }

  private:
    AppState& state_;
    Platform& platform_;
    std::unique_ptr<UiBridge> bridge_;
    std::unique_ptr<QtMainWindow> main_;
    DialogWindow* hub_ = nullptr;  // owned by the main window
};
