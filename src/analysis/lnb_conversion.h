// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace mirelta::analysis {

// RF of an IF through an LNB local oscillator: Ku band (LO >= 9000 MHz) adds, C band
// (LO <= 5750 MHz) subtracts; any other LO gives none.
std::optional<double> RfOf(double ifMHz, double loMHz);
// The inverse, for matching a snapshot's RF to the sweep's IF axis.
std::optional<double> IfOf(double rfMHz, double loMHz);

}  // namespace mirelta::analysis
