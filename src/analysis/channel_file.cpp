// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/channel_file.h"

#include <charconv>
#include <cstdint>

namespace mirelta::analysis {
namespace {

// Satellite downlinks lie between 1 and 100 GHz; beyond that the value is not a frequency in kHz.
constexpr std::uint64_t kLowestKHz = 1'000'000;
constexpr std::uint64_t kHighestKHz = 100'000'000;
constexpr std::uint64_t kHighestSymbolRate = 1'000'000'000;
// No real list comes near this; it bounds the memory a hostile file can take.
constexpr std::size_t kMostBlocks = 20'000;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::uint64_t> Whole(std::string_view text, std::uint64_t lowest,
                                   std::uint64_t highest) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<Polarisation> PolarisationOf(std::string_view text) {
    if (text == "HORIZONTAL") {
        return Polarisation::Horizontal;
    }
    if (text == "VERTICAL") {
        return Polarisation::Vertical;
    }
    if (text == "LEFT") {
        return Polarisation::Left;
    }
    if (text == "RIGHT") {
        return Polarisation::Right;
    }
    return std::nullopt;
}

// Reads one KEY = VALUE into `into`; the problem in words when the value does not read.
std::string Apply(std::string_view key, std::string_view value, ListedTransponder& into,
                  bool& hasFrequency) {
    if (key == "FREQUENCY") {
        const auto kHz = Whole(value, kLowestKHz, kHighestKHz);
        if (!kHz) {
            return "FREQUENCY is not a satellite frequency in kHz: '" + std::string(value) + "'";
        }
        into.frequencyMHz = static_cast<double>(*kHz) / 1000;
        hasFrequency = true;
    } else if (key == "SYMBOL_RATE") {
        const auto rate = Whole(value, 1, kHighestSymbolRate);
        if (!rate) {
            return "SYMBOL_RATE is not a number of symbols/s: '" + std::string(value) + "'";
        }
        into.symbolRateKsps = static_cast<double>(*rate) / 1000;
    } else if (key == "POLARIZATION") {
        into.polarisation = PolarisationOf(value);
        if (!into.polarisation) {
            return "POLARIZATION is none of HORIZONTAL, VERTICAL, LEFT, RIGHT: '" +
                   std::string(value) + "'";
        }
    } else if (key == "DELIVERY_SYSTEM") {
        into.deliverySystem = value;
    } else if (key == "MODULATION") {
        into.modulation = value;
    } else if (key == "INNER_FEC") {
        into.innerFec = value;
    }
    return {};
}

std::string AtLine(int line, const std::string& problem) {
    return "line " + std::to_string(line) + ": " + problem;
}

}  // namespace

ChannelFile ParseChannelFile(std::string_view text) {
    ChannelFile file;
    bool inBlock = false;
    bool hasFrequency = false;
    std::string blockProblem;
    int lineNumber = 0;
    int blockLine = 0;
    const auto closeBlock = [&] {
        if (inBlock && blockProblem.empty() && !hasFrequency) {
            blockProblem = AtLine(blockLine, "a block without FREQUENCY");
        }
        if (!blockProblem.empty()) {
            file.transponders.pop_back();
            file.leftOut.push_back(blockProblem);
        }
    };
    const auto failed = [](int line, const std::string& problem) {
        return ChannelFile{{}, {}, AtLine(line, problem)};
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            closeBlock();
            if (file.transponders.size() + file.leftOut.size() == kMostBlocks) {
                return failed(lineNumber, "more than " + std::to_string(kMostBlocks) + " blocks");
            }
            file.transponders.emplace_back();
            inBlock = true;
            hasFrequency = false;
            blockProblem.clear();
            blockLine = lineNumber;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return failed(lineNumber, "neither a [CHANNEL] line nor KEY = VALUE");
        }
        if (!inBlock) {
            return failed(lineNumber, "a value before the first [CHANNEL] line");
        }
        const std::string problem =
            Apply(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)),
                  file.transponders.back(), hasFrequency);
        if (!problem.empty() && blockProblem.empty()) {
            blockProblem = AtLine(lineNumber, problem);
        }
    }
    closeBlock();
    if (file.transponders.empty()) {
        return {{}, {}, file.leftOut.empty() ? "no [CHANNEL] block" : file.leftOut.front()};
    }
    return file;
}

}  // namespace mirelta::analysis
