// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/decimal_text.h"

#include <array>
#include <charconv>

namespace mirelta::cli {

std::string DecimalText(double number, int places) {
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), number,
                                   std::chars_format::fixed, places)
                         .ptr;
    std::string digits(text.data(), end);
    if (digits.starts_with('-') && digits.find_first_not_of("-0.") == std::string::npos) {
        digits.erase(0, 1);
    }
    return digits;
}

std::string ShortDecimalText(double number) {
    std::string digits = DecimalText(number, 2);
    while (digits.ends_with('0')) {
        digits.pop_back();
    }
    if (digits.ends_with('.')) {
        digits.pop_back();
    }
    return digits;
}

}  // namespace mirelta::cli
