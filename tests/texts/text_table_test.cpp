#include "texts/text_table.h"

#include <gtest/gtest.h>

TEST(TextTable, EveryEntryIsFilledInBothLanguages) {
    for (const TextTable* table : {&EnglishTexts(), &DutchTexts()}) {
        ASSERT_EQ(table->entries.size(), static_cast<size_t>(TextId::kCount));
        for (size_t i = 0; i < table->entries.size(); ++i) {
            EXPECT_FALSE(table->entries[i].empty())
                << (table->lang == Lang::En ? "English" : "Dutch") << " entry " << i << " is empty";
        }
    }
}

TEST(TextTable, BuildsHandTheirOwnLanguage) {
    EXPECT_EQ(EnglishTexts()(TextId::kTitleNewProject), "new project");
    EXPECT_EQ(DutchTexts()(TextId::kTitleNewProject), "nieuw project");
    EXPECT_EQ(&TextsFor(Lang::Nl), &DutchTexts());
}

TEST(TextTable, FillReplacesNumberedPlaceholders) {
    EXPECT_EQ(Fill("a {1} b {0}", {"x", "y"}), "a y b x");
    EXPECT_EQ(Fill("no pieces", {}), "no pieces");
    EXPECT_EQ(Fill("{0}{0}", {"ab"}), "abab");
}
