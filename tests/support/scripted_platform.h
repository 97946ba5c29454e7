// A platform for tests: records what the program would show and answers from a script.
#pragma once

#include <string>
#include <vector>

#include "app/platform.h"

class ScriptedPlatform : public Platform {
  public:
    struct Message {
        std::string title;
        std::string text;
        MessageIcon icon;
    };

    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override {
        messages.push_back({title, text, icon});
    }
    Answer AskYesNo(const std::string& title, const std::string& text) override {
        messages.push_back({title, text, MessageIcon::Information});
        return yesNoAnswer;
    }
    Answer AskYesNoCancel(const std::string& title, const std::string& text) override {
        messages.push_back({title, text, MessageIcon::Information});
        return yesNoCancelAnswer;
    }
    std::string AskOpenFile(const std::string&, const std::string&) override { return openFile; }
    std::string AskSaveFile(const std::string&, const std::string&, const std::string&) override {
        return saveFile;
    }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    bool OpenInViewer(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    int DesktopHeight() override { return desktopHeight; }
    LocalDateTime Now() override { return now; }
    std::string ProgramFolder() override { return programFolder; }
    int ShowPopupMenu(const std::vector<PopupItem>& items) override {
        popups.push_back(items);
        return popupChoice;
    }
    void ShowAbout(const AboutContent& content) override { abouts.push_back(content); }

    std::vector<Message> messages;
    std::vector<std::string> opened;
    std::vector<std::vector<PopupItem>> popups;
    std::vector<AboutContent> abouts;
    std::string clipboard;
    Answer yesNoAnswer = Answer::No;
    Answer yesNoCancelAnswer = Answer::Cancel;
    std::string openFile;
    std::string saveFile;
    int desktopHeight = 0;
    LocalDateTime now;
    std::string programFolder;
    int popupChoice = -1;
};
