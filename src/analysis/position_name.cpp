// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/position_name.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace mirelta::analysis {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsLetterOrDigit(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string_view LeadingLetters(std::string_view name) {
    std::size_t length = 0;
    while (length < name.size() && IsLetter(name[length])) {
        ++length;
    }
    return name.substr(0, length);
}

// Whether the first `length` characters of `name` end a word or a number.
bool EndsWord(std::string_view name, std::size_t length) {
    return length == name.size() || !IsLetterOrDigit(name[length]) ||
           (length > 0 && IsLetter(name[length - 1]) != IsLetter(name[length]));
}

std::string SharedName(const std::vector<std::string_view>& family) {
    const std::string_view first = family.front();
    std::size_t length = first.size();
    for (const std::string_view name : family) {
        std::size_t same = 0;
        while (same < length && same < name.size() && name[same] == first[same]) {
            ++same;
        }
        length = same;
    }
    while (length > 0 && !std::all_of(family.begin(), family.end(), [length](std::string_view n) {
               return EndsWord(n, length);
           })) {
        --length;
    }
    while (length > 0 && !IsLetterOrDigit(first[length - 1])) {
        --length;
    }
    return std::string(length > 0 ? first.substr(0, length) : first);
}

}  // namespace

std::string PositionName(const std::vector<std::string>& satellites) {
    std::map<std::string_view, std::vector<std::string_view>> families;
    for (const std::string& satellite : satellites) {
        families[LeadingLetters(satellite)].push_back(satellite);
    }
    std::string name;
    for (const auto& [letters, family] : families) {
        name += (name.empty() ? "" : "/") + SharedName(family);
    }
    return name;
}

}  // namespace mirelta::analysis
