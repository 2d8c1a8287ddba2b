// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/lnb_conversion.h"

namespace mirelta::analysis {
namespace {

constexpr double kLowestKuLo = 9000;
constexpr double kHighestCLo = 5750;

}  // namespace

std::optional<double> RfOf(double ifMHz, double loMHz) {
    if (loMHz >= kLowestKuLo) {
        return loMHz + ifMHz;
    }
    if (loMHz > 0 && loMHz <= kHighestCLo) {
        return loMHz - ifMHz;
    }
    return std::nullopt;
}

std::optional<double> IfOf(double rfMHz, double loMHz) {
    if (loMHz >= kLowestKuLo) {
        return rfMHz - loMHz;
    }
    if (loMHz > 0 && loMHz <= kHighestCLo) {
        return loMHz - rfMHz;
    }
    return std::nullopt;
}

}  // namespace mirelta::analysis
