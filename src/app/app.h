// The headless application core: start-up, user actions, event routing and the shell services.
#pragma once

#include <string>
#include <vector>

#include "app/app_state.h"

enum class EventKind {
    Change,
    Click,
    DoubleClick,
    MouseEnter,
    MouseDown,
    MouseMove,
    MouseUp,
    Wheel
};

struct ControlEvent {
    int id = 0;
    EventKind kind = EventKind::Change;
    int x = 0;  // canvas events: mouse position in logical px
    int y = 0;
    int delta = 0;  // wheel notches
};

// Start-up steps 1 to 9: state, windows, tables, the first pair search, title, project argument.
void StartUp(AppState& state, const TextTable& texts, Platform& platform,
             const std::vector<std::string>& args);

// The four kinds of event of the event loop.
void HandleControlEvent(AppState& state, const ControlEvent& event);
void HandleMenuItem(AppState& state, int item);
void HandleCloseRequest(AppState& state, int window);
void HandleTimerTick(AppState& state);

// User actions: the control takes the new value, then one event is routed.
void UserSetText(AppState& state, int id, const std::string& text);
void UserChoose(AppState& state, int id, int64_t n);
void UserClick(AppState& state, int id);
// A resize of the canvas: redraws without changing zoom or centre.
void ResizeCanvas(AppState& state, double width, double height);

// Shell services.
void MarkModified(AppState& state);
void UpdateTitle(AppState& state);
void ShowHelp(AppState& state);
void ShowAbout(AppState& state);

// Field reading (by control id).
double ReadNumberField(const AppState& state, int id);
int64_t ReadIntegerField(const AppState& state, int id);
int HandSign(const AppState& state, int id);
