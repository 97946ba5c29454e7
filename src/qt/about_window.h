// The modal About window: the gear picture, the program name and version, a few lines about
// the program, and a Close button.
#pragma once

#include <QDialog>

#include "app/platform.h"

class QLabel;

class AboutWindow : public QDialog {
  public:
    AboutWindow(const AboutContent& content, QWidget* owner);
    const QLabel* Picture() const { return picture_; }

  private:
    QLabel* picture_ = nullptr;
};

// Shows the About window until it is closed; the owner takes no input meanwhile.
void ExecAboutWindow(const AboutContent& content, QWidget* owner);
