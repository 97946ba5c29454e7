// Keeps the Qt widgets and the core's control model in step: what the user does reaches the
// core as exactly one event; what the program changes comes back into the widgets and never
// becomes an event.
#pragma once

#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>

#include "app/app.h"
#include "qt/layout_metrics.h"

class GearCanvas;
class QWidget;

class UiBridge {
  public:
    explicit UiBridge(AppState& state);
    UiBridge(const UiBridge&) = delete;
    UiBridge& operator=(const UiBridge&) = delete;

    void SetMetrics(const LayoutMetrics& metrics) { metrics_ = metrics; }
    // Connects the widget's user signals to the core, by the control's kind.
    void Register(const Control& control, QWidget* widget);
    void RegisterCanvas(GearCanvas* canvas);
    void RegisterWindow(int window, QWidget* widget);
    QWidget* Widget(int id) const;
    QWidget* Window(int window) const;

    // User actions, each one call into the core followed by one Sync.
    void UserText(int id, const QString& text);
    void UserChoice(int id, int64_t n);
    void UserButton(int id);
    void UserEvent(const ControlEvent& event);
    void MenuItem(int item);
    void CloseRequest(int window);
    void TimerTick();
    void CanvasResized(double width, double height, double scale);

    // Brings every control the program changed, the window titles and visibility, the
    // rotation timer and the canvas up to date with the state.
    void Sync();

    // Stops forwarding for good: the windows are being taken down.
    void Detach();

    // Called for every control event forwarded to the core (tests count them).
    std::function<void(const ControlEvent&)> observer;

  private:
    // One call into the core. A call that arrives while another one is still running (from
    // the nested loop of a message box or the About window) is not served; the widget it
    // came from is put back to the model's value instead.
    bool Enter(int restoreId);
    void Leave();
    void Forward(const ControlEvent& event);
    void ConnectList(int id, QWidget* widget);
    void ShowWindows();

    AppState& state_;
    LayoutMetrics metrics_;
    std::map<int, QWidget*> widgets_;
    QWidget* windows_[3] = {nullptr, nullptr, nullptr};
    GearCanvas* canvas_ = nullptr;
    QTimer timer_;
    uint64_t shownRevision_ = 0;
    int depth_ = 0;
    bool syncing_ = false;
    bool detached_ = false;
    bool resizePending_ = false;
    double pendingWidth_ = 0.0, pendingHeight_ = 0.0, pendingScale_ = 1.0;
};
