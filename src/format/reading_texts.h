// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "data/constellation_record.h"
#include "data/find_record.h"

namespace mirelta {

// The Find screen's power reading: "0.0" below quality or strength 5, where the meter shows no
// reading, else the saved tenths of a dBuV.
std::string PowerText(const FindRecord& record);

// "%2d.%1d dB": the hundredths digit is cut off and a single-digit MER keeps its leading space,
// as the meter prints it.
std::string MerText(const ConstellationRecord& record);

struct SpanEntry {
    std::int16_t freqStep;
    const char* text;  // null for an unknown code
};

// The spectrum's frequency step and span caption by span code; unknown codes keep the full
// span's step and have no caption of their own.
SpanEntry SpanOf(std::uint8_t code);

}  // namespace mirelta
