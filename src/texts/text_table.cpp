// The English and the Dutch text table, built from the rows of the .def files.
#include "texts/text_table.h"

#include <cassert>

namespace {

const char* const kEnglishRows[] = {
#define DENTARO_TEXT(id, en, nl) en,
#include "texts/all_texts.def"
#undef DENTARO_TEXT
};

const char* const kDutchRows[] = {
#define DENTARO_TEXT(id, en, nl) nl,
#include "texts/all_texts.def"
#undef DENTARO_TEXT
};

static_assert(sizeof(kEnglishRows) / sizeof(kEnglishRows[0]) ==
              static_cast<size_t>(TextId::kCount));
static_assert(sizeof(kDutchRows) / sizeof(kDutchRows[0]) == static_cast<size_t>(TextId::kCount));

TextTable MakeTable(Lang lang, const char* const* rows) {
    TextTable table;
    table.lang = lang;
    table.entries.reserve(static_cast<size_t>(TextId::kCount));
    for (int i = 0; i < static_cast<int>(TextId::kCount); ++i) {
        table.entries.emplace_back(rows[i] ? rows[i] : "");
    }
    return table;
}

}  // namespace

const TextTable& EnglishTexts() {
    static const TextTable table = MakeTable(Lang::En, kEnglishRows);
    return table;
}

const TextTable& DutchTexts() {
    static const TextTable table = MakeTable(Lang::Nl, kDutchRows);
    return table;
}

const TextTable& TextsFor(Lang lang) {
    return lang == Lang::Nl ? DutchTexts() : EnglishTexts();
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> pieces) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
            pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '0');
            assert(n < pieces.size());
            if (n < pieces.size()) {
                out += *(pieces.begin() + n);
            }
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
