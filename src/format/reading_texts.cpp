// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/reading_texts.h"

#include "format/value_format.h"

namespace mirelta {
namespace {

constexpr std::uint8_t kPowerThreshold = 5;

}  // namespace

std::string PowerText(const FindRecord& record) {
    if (record.quality() < kPowerThreshold || record.strength() < kPowerThreshold) {
        return "0.0";
    }
    const std::uint16_t level = record.powerLevel();
    return Printf("%d.%d", level / 10, level % 10);
}

std::string MerText(const ConstellationRecord& record) {
    const std::uint32_t mer = ShownTenths(record.mer());
    return Printf("%2d.%1d dB", static_cast<int>(mer / 10), static_cast<int>(mer % 10));
}

SpanEntry SpanOf(std::uint8_t code) {
    switch (code) {
        case 0:
            return {8, "FULL"};
        case 1:
            return {2, "200 MHz"};
        case 2:
            return {4, "400 MHz"};
        default:
            return {8, nullptr};
    }
}

}  // namespace mirelta
