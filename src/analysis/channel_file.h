// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelta::analysis {

enum class Polarisation { Horizontal, Vertical, Left, Right };

// One [CHANNEL] block of a DVBv5 satellite list: the transponder, as broadcast.
struct ListedTransponder {
    double frequencyMHz = 0;  // RF
    std::optional<Polarisation> polarisation;
    std::optional<double> symbolRateKsps;
    std::string deliverySystem;  // DVBS, DVBS2, ... as written; empty when not given
    std::string modulation;
    std::string innerFec;
};

// A list's transponders in file order, or why the text is not such a list.
struct ChannelFile {
    std::vector<ListedTransponder> transponders;
    std::vector<std::string> leftOut;  // "line N: ...", one per block that does not read
    std::string error;                 // empty when the text is a list
};

// Reads the text of a DVBv5 channel file: blocks opened by a [NAME] line, `KEY = VALUE` lines,
// # comments. FREQUENCY (kHz), POLARIZATION, SYMBOL_RATE (symbols/s), DELIVERY_SYSTEM, MODULATION
// and INNER_FEC are read; other keys are skipped. A block without a frequency or with a value
// that does not read is left out, as published lists hold the odd slip; a line of neither form,
// a value before the first block or no block that reads makes the whole text an error.
ChannelFile ParseChannelFile(std::string_view text);

}  // namespace mirelta::analysis
