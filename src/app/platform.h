// The one port to what the platform provides: message boxes, questions, file dialogs,
// the clipboard, the system viewer, the desktop, the clock and the modal windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

enum class MessageIcon { Warning, Information, Error };
enum class Answer { Yes, No, Cancel };

struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// What the About window shows; the shell fills it from the text table.
struct AboutContent {
    std::string title, name, maker, credit1, credit2, caption, toolchain, closeText;
};

struct PopupItem {
    int id = 0;
    std::string text;  // a tab separates the shortcut hint
};

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text,
                             MessageIcon icon) = 0;
    virtual Answer AskYesNo(const std::string& title, const std::string& text) = 0;
    virtual Answer AskYesNoCancel(const std::string& title, const std::string& text) = 0;
    // Empty result: the user cancelled. filter as "Description (*.ext)".
    virtual std::string AskOpenFile(const std::string& title, const std::string& filter) = 0;
    virtual std::string AskSaveFile(const std::string& title, const std::string& filter,
                                    const std::string& suggestedName) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Hands a file to the system's default application; false when that failed.
    virtual bool OpenInViewer(const std::string& path) = 0;
    // Height of the desktop in logical pixels, 0 when unknown.
    virtual int DesktopHeight() = 0;
    virtual LocalDateTime Now() = 0;
    // Folder of the running program, with a trailing separator; "" when unknown.
    virtual std::string ProgramFolder() = 0;
    // Shows a popup menu at the mouse; returns the chosen item id or -1.
    virtual int ShowPopupMenu(const std::vector<PopupItem>& items) = 0;
    // Shows the modal About window until it is closed.
    virtual void ShowAbout(const AboutContent& content) = 0;
};
