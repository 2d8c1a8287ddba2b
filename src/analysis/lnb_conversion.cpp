// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/lnb_conversion.h"

#include "format/value_format.h"

namespace mirelta::analysis {
namespace {

constexpr double kLowestKuLo = 9000;
constexpr double kHighestKuLo = 12000;
// C-band LNBs mix down from above the band; lower values are typing slips, not oscillators.
constexpr double kLowestCLo = 3000;
constexpr double kHighestCLo = 5750;
// A dual LNB switches to its high oscillator at the top of the low band.
constexpr std::uint32_t kHighBandFromMHz = 11700;

}  // namespace

std::optional<LnbBand> BandOf(double loMHz) {
    if (loMHz >= kLowestKuLo && loMHz <= kHighestKuLo) {
        return LnbBand::Ku;
    }
    if (loMHz >= kLowestCLo && loMHz <= kHighestCLo) {
        return LnbBand::C;
    }
    return std::nullopt;
}

std::optional<double> RfOf(double ifMHz, double loMHz) {
    const std::optional<LnbBand> band = BandOf(loMHz);
    if (!band) {
        return std::nullopt;
    }
    return *band == LnbBand::Ku ? loMHz + ifMHz : loMHz - ifMHz;
}

std::optional<double> IfOf(double rfMHz, double loMHz) {
    const std::optional<LnbBand> band = BandOf(loMHz);
    if (!band) {
        return std::nullopt;
    }
    return *band == LnbBand::Ku ? rfMHz - loMHz : loMHz - rfMHz;
}

std::optional<double> LoOf(const FindRecord& record) {
    const std::uint16_t high = LoHigh(record);
    const std::uint16_t lo =
        (high != 0 && record.frequency() >= kHighBandFromMHz) ? high : LoLow(record);
    if (lo == 0) {
        return std::nullopt;
    }
    return lo;
}

std::optional<double> FindLoAt(const RecordLists& lists, std::uint32_t rfMHz) {
    for (int i = 0; i < lists.findCount; ++i) {
        if (lists.find[static_cast<std::size_t>(i)].frequency() == rfMHz) {
            return LoOf(lists.find[static_cast<std::size_t>(i)]);
        }
    }
    return std::nullopt;
}

}  // namespace mirelta::analysis
