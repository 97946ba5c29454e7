// A small window of its own built from the control model, such as the hub and keyway
// window: rows of labelled fields, fixed size, hidden and shown by the core.
#pragma once

#include <QWidget>
#include <map>

#include "app/app_state.h"
#include "qt/layout_metrics.h"

class UiBridge;

class DialogWindow : public QWidget {
  public:
    // Builds the controls of `window` from the model; the owner keeps it on top and centred.
    DialogWindow(const AppState& state, UiBridge& bridge, int window, const LayoutMetrics& metrics,
                 QWidget* owner);

    int WindowId() const { return window_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    UiBridge& bridge_;
    int window_;
};
