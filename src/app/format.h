// Reading numbers from field texts and writing numbers as text, independent of the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Decimal number from the start of a text; "," counts as the decimal point; no number gives 0.
double ParseNumber(std::string_view text);
// Whole number from the start of a text (blanks and tabs skipped); saturates at the 64-bit limits.
int64_t ParseInteger(std::string_view text);
// Fixed-point text with exactly `decimals` decimals; values that round to zero print without sign.
std::string FormatFixed(double x, int decimals);
// Module text: at most 3 decimals, no trailing zeros ("0.05", "1", "1.125").
std::string FormatModule(double x);
// A whole number in decimal.
std::string FormatInteger(int64_t n);
