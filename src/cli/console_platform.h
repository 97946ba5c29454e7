// The platform of the batch driver: messages go to standard error, questions are declined.
#pragma once

#include "app/platform.h"

class ConsolePlatform : public Platform {
  public:
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

    std::string clipboard;  // what the strength window's copy would have put on the clipboard
};
