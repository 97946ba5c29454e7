// Messages of the batch driver on standard error; questions answered Cancel where offered,
// otherwise No.
#include "cli/console_platform.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <system_error>

void ConsolePlatform::ShowMessage(const std::string& title, const std::string& text, MessageIcon) {
    std::cerr << title << ": " << text << '\n';
}

Answer ConsolePlatform::AskYesNo(const std::string& title, const std::string& text) {
    std::cerr << title << ": " << text << '\n';
    return Answer::No;
}

Answer ConsolePlatform::AskYesNoCancel(const std::string& title, const std::string& text) {
    std::cerr << title << ": " << text << '\n';
    return Answer::Cancel;
}

std::string ConsolePlatform::AskOpenFile(const std::string&, const std::string&) {
    return "";
}

std::string ConsolePlatform::AskSaveFile(const std::string&, const std::string&,
                                         const std::string&) {
    return "";
}

void ConsolePlatform::SetClipboardText(const std::string& text) {
    clipboard = text;
}

bool ConsolePlatform::OpenInViewer(const std::string& path) {
    // There is no viewer in a batch run; say which file would have been opened.
    std::cout << path << '\n';
    return true;
}

int ConsolePlatform::DesktopHeight() {
    return 0;
}

LocalDateTime ConsolePlatform::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string ConsolePlatform::ProgramFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "";
    }
    return exe.parent_path().string() + "/";
}

int ConsolePlatform::ShowPopupMenu(const std::vector<PopupItem>&) {
    return -1;
}

void ConsolePlatform::ShowAbout(const AboutContent&) {}
