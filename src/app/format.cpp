// Locale-independent reading and writing of numbers.
#include "app/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// A number too large or too small for a double: its decimal order decides between an
// infinity of its sign and zero.
double OutOfRangeValue(std::string_view number) {
    const bool negative = !number.empty() && number[0] == '-';
    size_t i = (!number.empty() && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
    int64_t order = 0;  // decimal exponent of the leading significant digit, plus one
    bool significant = false;
    bool fraction = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            fraction = true;
        } else if (!significant && number[i] == '0') {
            if (fraction) {
                --order;
            }
        } else if (!significant) {
            significant = true;
            if (!fraction) {
                ++order;
            }
        } else if (!fraction) {
            ++order;
        }
    }
    if (i < number.size()) {
        int64_t exponent = 0;
        bool expNegative = false;
        ++i;
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) {
            expNegative = number[i] == '-';
            ++i;
        }
        for (; i < number.size(); ++i) {
            exponent = std::min<int64_t>(exponent * 10 + (number[i] - '0'), 1000000);
        }
        order += expNegative ? -exponent : exponent;
    }
    if (order <= 0) {
        return 0.0;
    }
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

}  // namespace

double ParseNumber(std::string_view text) {
    // Blanks around the number are ignored; the decimal comma of Dutch users counts as a point.
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && text[begin] == ' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == ' ') {
        --end;
    }
    std::string s(text.substr(begin, end - begin));
    for (char& c : s) {
        if (c == ',') {
            c = '.';
        }
    }
    // Longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    size_t i = 0;
    const size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    size_t mantissaEnd = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        size_t expDigits = 0;
        while (j < n && s[j] >= '0' && s[j] <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            mantissaEnd = j;
        }
    }
    // from_chars does not take a leading '+'.
    size_t start = (s[0] == '+') ? 1 : 0;
    double value = 0.0;
    auto result = std::from_chars(s.data() + start, s.data() + mantissaEnd, value);
    if (result.ec == std::errc::result_out_of_range) {
        return OutOfRangeValue(std::string_view(s).substr(0, mantissaEnd));
    }
    return value;
}

int64_t ParseInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate toward the sign so that the most negative value is reachable; a number
    // beyond 64 bits saturates instead of overflowing.
    int64_t value = 0;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            if (value < (kMin + digit) / 10) {
                value = kMin;
                continue;
            }
            value = value * 10 - digit;
        } else {
            if (value > (kMax - digit) / 10) {
                value = kMax;
                continue;
            }
            value = value * 10 + digit;
        }
    }
    return value;
}

std::string FormatFixed(double x, int decimals) {
    if (decimals < 0) {
        decimals = 0;
    }
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-inf" : "inf";
    }
    if (std::fabs(x) < 0.5 * std::pow(10.0, -decimals)) {
        x = 0.0;
    }
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof(buffer), x, std::chars_format::fixed, decimals);
    std::string out(buffer, result.ptr);
    // A value that rounds to zero carries no sign.
    if (!out.empty() && out[0] == '-' && out.find_first_not_of("-0.") == std::string::npos) {
        out.erase(0, 1);
    }
    return out;
}

std::string FormatModule(double x) {
    std::string out = FormatFixed(x, 3);
    if (out.find('.') != std::string::npos) {
        while (!out.empty() && out.back() == '0') {
            out.pop_back();
        }
        if (!out.empty() && out.back() == '.') {
            out.pop_back();
        }
    }
    return out;
}

std::string FormatInteger(int64_t n) {
    return std::to_string(n);
}
