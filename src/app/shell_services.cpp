// Small services of the main window: the modified mark, the title, the user guide, About,
// and reading the fields as numbers.
#include <filesystem>
#include <system_error>

#include "app/app.h"
#include "app/format.h"
#include "app/platform.h"
#include "texts/text_table.h"

void MarkModified(AppState& state) {
    if (!state.modified) {
        state.modified = true;
        UpdateTitle(state);
    }
}

void UpdateTitle(AppState& state) {
    const TextTable& texts = *state.texts;
    std::string name = texts(TextId::kTitleNewProject);
    if (!state.projectPath.empty()) {
        name = std::filesystem::path(state.projectPath).filename().string();
    }
    std::string title = texts(TextId::kTitlePrefix) + name;
    if (state.modified) {
        title += texts(TextId::kTitleModifiedMark);
    }
    title += texts(TextId::kTitleSuffix);
    state.windows[kMainWindow].title = title;
}

namespace {

// A guide counts only when it exists with some content; an empty file is treated as missing.
bool IsUsableFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

std::string CurrentFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        return "";
    }
    std::string text = folder.string();
    if (!text.empty() && text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace

void ShowHelp(AppState& state) {
    const TextTable& texts = *state.texts;
    const std::string& file = texts(TextId::kHelpFileName);
    // The folder of the program first, then the current folder.
    for (const std::string& folder : {state.platform->ProgramFolder(), CurrentFolder()}) {
        if (folder.empty()) {
            continue;
        }
        const std::string path = folder + file;
        if (IsUsableFile(path)) {
            state.platform->OpenInViewer(path);
            return;
        }
    }
    state.platform->ShowMessage(texts(TextId::kMessageTitle),
                                Fill(texts(TextId::kHelpMissing), {file}), MessageIcon::Warning);
}

void ShowAbout(AppState& state) {
    const TextTable& texts = *state.texts;
    AboutContent content;
    content.title = texts(TextId::kAboutTitle);
    content.name = texts(TextId::kAboutName);
    content.maker = texts(TextId::kAboutMaker);
    content.credit1 = texts(TextId::kAboutCredit1);
    content.credit2 = texts(TextId::kAboutCredit2);
    content.caption = texts(TextId::kAboutCaption);
    content.toolchain = texts(TextId::kAboutToolchain);
    content.closeText = texts(TextId::kAboutClose);
    state.platform->ShowAbout(content);
}

double ReadNumberField(const AppState& state, int id) {
    return ParseNumber(state.ui.Get(id).text);
}

int64_t ReadIntegerField(const AppState& state, int id) {
    return ParseInteger(state.ui.Get(id).text);
}

int HandSign(const AppState& state, int id) {
    return state.ui.Get(id).state == 1 ? -1 : 1;
}
