// The platform port served by Qt: message boxes, questions, file dialogs, the clipboard,
// the system viewer, the screen, the clock, the popup menu and the About window.
#pragma once

#include <functional>

#include "app/platform.h"

class QWidget;

class QtPlatform : public Platform {
  public:
    // Dialogs belong to this window once it exists (before that they stand alone).
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Called before any modal window opens, so that the windows behind it are up to date.
    std::function<void()> beforeModal;

    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    Answer AskYesNo(const std::string& title, const std::string& text) override;
    Answer AskYesNoCancel(const std::string& title, const std::string& text) override;
    std::string AskOpenFile(const std::string& title, const std::string& filter) override;
    std::string AskSaveFile(const std::string& title, const std::string& filter,
                            const std::string& suggestedName) override;
    void SetClipboardText(const std::string& text) override;
    bool OpenInViewer(const std::string& path) override;
    int DesktopHeight() override;
    LocalDateTime Now() override;
    std::string ProgramFolder() override;
    int ShowPopupMenu(const std::vector<PopupItem>& items) override;
    void ShowAbout(const AboutContent& content) override;

  private:
    QWidget* Owner() const;
    void PrepareModal();

    QWidget* owner_ = nullptr;
};
