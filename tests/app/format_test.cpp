// Reading field texts and writing numbers, also under a locale with a decimal comma.
#include "app/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

namespace {

struct NumberCase {
    const char* name;
    const char* text;
    double value;
};

const NumberCase kNumbers[] = {
    {"comma as decimal point", "1,5", 1.5},
    {"point", "1.5", 1.5},
    {"blanks around", "  20  ", 20.0},
    {"unit after the number", "2mm", 2.0},
    {"second point ends the number", "1.000,5", 1.0},
    {"empty", "", 0.0},
    {"no number", "abc", 0.0},
    {"default STL tolerance", "0,01", 0.01},
    {"negative", "-0.5", -0.5},
    {"plus sign", "+3", 3.0},
    {"exponent", "1e-3", 0.001},
    {"exponent without digits is not part of it", "2e", 2.0},
    {"leading point", ".5", 0.5},
    {"sign alone", "-", 0.0},
};

void ExpectNumbers() {
    for (const NumberCase& c : kNumbers) {
        EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << c.name;
    }
}

struct IntegerCase {
    const char* name;
    const char* text;
    int64_t value;
};

const IntegerCase kIntegers[] = {
    {"plain", "20", 20},
    {"a word after it", "20 teeth", 20},
    {"negative", "-3", -3},
    {"decimal point ends it", "12.7", 12},
    {"comma ends it", "1,5", 1},
    {"empty", "", 0},
    {"leading blanks and tabs", " \t 17", 17},
    {"too large saturates", "99999999999999999999999", std::numeric_limits<int64_t>::max()},
    {"too small saturates", "-99999999999999999999999", std::numeric_limits<int64_t>::min()},
    {"largest value", "9223372036854775807", std::numeric_limits<int64_t>::max()},
    {"smallest value", "-9223372036854775808", std::numeric_limits<int64_t>::min()},
};

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

const FixedCase kFixed[] = {
    {-4e-4, 3, "0.000"},
    {-4e-5, 4, "0.0000"},
    {3.14159, 3, "3.142"},
    {-2.5e-7, 0, "0"},
    {44.0, 3, "44.000"},
    {-0.1698, 3, "-0.170"},
    {1234567.891, 2, "1234567.89"},
    {0.0005, 3, "0.001"},  // exactly half a unit is kept
    {-0.0, 2, "0.00"},
    {7.0, 0, "7"},
};

struct ModuleCase {
    double value;
    const char* text;
};

const ModuleCase kModules[] = {{0.05, "0.05"}, {1.0, "1"},     {1.125, "1.125"}, {10.0, "10"},
                               {0.0, "0"},     {1.25, "1.25"}, {3.0, "3"},       {60.0, "60"}};

}  // namespace

TEST(Format, ReadsNumbersWithCommaOrPoint) {
    ExpectNumbers();
}

TEST(Format, ReadsWholeNumbersAndSaturates) {
    for (const IntegerCase& c : kIntegers) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.name;
    }
}

TEST(Format, WritesFixedDecimalsWithoutNegativeZero) {
    for (const FixedCase& c : kFixed) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
    }
}

TEST(Format, WritesModulesWithoutTrailingZeros) {
    for (const ModuleCase& c : kModules) {
        EXPECT_EQ(FormatModule(c.value), c.text);
    }
}

TEST(Format, IgnoresTheUsersDecimalComma) {
    // A Dutch or German user's locale must change neither reading nor writing.
    const char* const kCommaLocales[] = {"nl_NL.UTF-8", "de_DE.UTF-8", "nl_NL.utf8", "de_DE.utf8"};
    const char* chosen = nullptr;
    for (const char* name : kCommaLocales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    ASSERT_NE(chosen, nullptr) << "no locale with a decimal comma is installed; generate one with "
                                  "'localedef -i nl_NL -f UTF-8 nl_NL.UTF-8'";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    ExpectNumbers();
    EXPECT_EQ(FormatFixed(1.5, 2), "1.50");
    EXPECT_EQ(FormatFixed(-4e-5, 4), "0.0000");
    EXPECT_EQ(FormatModule(1.125), "1.125");
    std::setlocale(LC_ALL, "C");
}
