// The text tables: every text the user sees or a file receives, in English and in Dutch.
// Each subject keeps its rows in its own .def file; a row gives the id and both texts.
// Texts may hold the placeholders {0}, {1}, ... that Fill replaces.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

enum class Lang { En = 0, Nl = 1 };

enum class TextId : int {
#define DENTARO_TEXT(id, en, nl) id,
#include "texts/all_texts.def"
#undef DENTARO_TEXT
    kCount
};

struct TextTable {
    Lang lang = Lang::En;
    std::vector<std::string> entries;  // indexed by TextId

    const std::string& operator()(TextId id) const { return entries[static_cast<int>(id)]; }
};

const TextTable& EnglishTexts();
const TextTable& DutchTexts();
const TextTable& TextsFor(Lang lang);

// Replaces {0}, {1}, ... in the pattern by the given pieces.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> pieces);
