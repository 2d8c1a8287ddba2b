// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mirelta {

inline constexpr std::uint8_t kSystemDvbS = 1;
inline constexpr std::uint8_t kSystemDvbS2 = 3;

// What a published figure measures: energy per symbol (already C/N in the symbol-rate
// bandwidth) or energy per information bit (needs the code-rate conversion).
enum class FigureKind { EsN0, EbN0 };

// One published threshold: the mode it is for, the figure as printed and where it is printed.
struct ReferenceRow {
    std::uint8_t system;  // kSystemDvbS or kSystemDvbS2
    std::uint8_t code;    // MODCOD number (DVB-S2) or the meter's code-rate code (DVB-S)
    const char* mode;     // "QPSK 3/4"
    int rateNumerator;
    int rateDenominator;
    FigureKind kind;
    std::int32_t figure;  // hundredths of a dB
    const char* source;
    const char* shownAs = nullptr;  // the meter's text for the rate where it is not the rate
};

// Every mode the meter can save that has a published quasi-error-free threshold.
std::span<const ReferenceRow> ReferenceTable();

struct ModeReference {
    const char* mode;
    std::int32_t requiredCn;  // hundredths of a dB in the symbol-rate bandwidth
    const char* shownAs;      // as in ReferenceRow
};

// The required C/N of a saved mode; nothing when no published figure covers it.
std::optional<ModeReference> RequiredCn(std::uint8_t system, std::uint8_t modcod,
                                        std::uint8_t codeRate);

// The meter's DVB-S codes 4 (4/5) and 6 (6/7): rates it offers that DVB-S does not have.
bool IsOutsideDvbS(std::uint8_t codeRate);

}  // namespace mirelta
