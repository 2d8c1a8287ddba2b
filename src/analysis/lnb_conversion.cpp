// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/lnb_conversion.h"

namespace mirelta::analysis {
namespace {

constexpr double kLowestKuLo = 9000;
constexpr double kHighestKuLo = 12000;
// C-band LNBs mix down from above the band; lower values are typing slips, not oscillators.
constexpr double kLowestCLo = 3000;
constexpr double kHighestCLo = 5750;

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

}  // namespace mirelta::analysis
