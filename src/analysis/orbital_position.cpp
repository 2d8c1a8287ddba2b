// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/orbital_position.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace mirelta::analysis {
namespace {

constexpr double kHalfOrbit = 180;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Degrees as "D", "D.D" or "D,D" at the front of `text`, which it consumes; up to three whole
// digits and two decimals, no more than half the orbit.
std::optional<double> TakeDegrees(std::string_view& text, bool decimalComma) {
    std::size_t at = 0;
    double degrees = 0;
    while (at < text.size() && IsDigit(text[at]) && at < 3) {
        degrees = degrees * 10 + (text[at++] - '0');
    }
    if (at == 0 || (at < text.size() && IsDigit(text[at]))) {
        return std::nullopt;
    }
    if (at + 1 < text.size() && (text[at] == '.' || (decimalComma && text[at] == ',')) &&
        IsDigit(text[at + 1])) {
        int decimals = 0;
        double fraction = 0;
        for (++at; at < text.size() && IsDigit(text[at]); ++at) {
            if (++decimals > 2) {
                return std::nullopt;
            }
            fraction = fraction * 10 + (text[at] - '0');
        }
        degrees += fraction / (decimals == 1 ? 10 : 100);
    }
    if (degrees > kHalfOrbit) {
        return std::nullopt;
    }
    text.remove_prefix(at);
    return degrees;
}

// +1 for an east, -1 for a west hemisphere letter at the front of `text`, which it consumes.
int TakeHemisphere(std::string_view& text) {
    if (text.empty()) {
        return 0;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    const int sign = letter == 'E' ? 1 : letter == 'W' ? -1 : 0;
    if (sign != 0) {
        text.remove_prefix(1);
    }
    return sign;
}

bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) {
            return false;
        }
    }
    return true;
}

// Spaces and a degree sign (UTF-8, GBK or Latin-1) between the number and its hemisphere.
void SkipDegreeSign(std::string_view& text) {
    const auto skipSpaces = [&text] {
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
    };
    skipSpaces();
    for (const std::string_view sign : {"\xC2\xB0", "\xA1\xE3", "\xB0"}) {
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
            break;
        }
    }
    skipSpaces();
}

// The position written at the front of `text`, with nothing glued to either end.
std::optional<double> PositionAt(std::string_view text) {
    const std::optional<double> degrees = TakeDegrees(text, true);
    if (!degrees) {
        return std::nullopt;
    }
    SkipDegreeSign(text);
    const int sign = TakeHemisphere(text);
    if (sign == 0) {
        return std::nullopt;
    }
    if (StartsWithNoCase(text, sign > 0 ? "ast" : "est")) {
        text.remove_prefix(3);
    }
    if (!text.empty() && (IsLetter(text.front()) || IsDigit(text.front()))) {
        return std::nullopt;
    }
    return sign * *degrees;
}

}  // namespace

std::string PositionText(double degrees) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%c", std::abs(degrees), degrees < 0 ? 'W' : 'E');
    return text;
}

double DegreesApart(double a, double b) {
    const double apart = std::fmod(std::abs(a - b), 2 * kHalfOrbit);
    return std::min(apart, 2 * kHalfOrbit - apart);
}

std::optional<ListFileName> SplitListFileName(std::string_view fileName) {
    const std::size_t separator = fileName.find_last_of("-_");
    if (separator == 0 || separator == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view position = fileName.substr(separator + 1);
    const std::optional<double> degrees = TakeDegrees(position, false);
    const int sign = degrees ? TakeHemisphere(position) : 0;
    if (sign == 0 || !position.empty()) {
        return std::nullopt;
    }
    return ListFileName{std::string(fileName.substr(0, separator)), sign * *degrees};
}

std::optional<double> ClaimedPosition(std::string_view satelliteName) {
    for (std::size_t at = 0; at < satelliteName.size(); ++at) {
        const bool wordStart =
            at == 0 || !(IsLetter(satelliteName[at - 1]) || IsDigit(satelliteName[at - 1]) ||
                         satelliteName[at - 1] == '.' || satelliteName[at - 1] == ',');
        if (wordStart && IsDigit(satelliteName[at])) {
            if (const std::optional<double> degrees = PositionAt(satelliteName.substr(at))) {
                return degrees;
            }
        }
    }
    return std::nullopt;
}

}  // namespace mirelta::analysis
