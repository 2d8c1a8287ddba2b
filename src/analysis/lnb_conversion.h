// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace mirelta::analysis {

enum class LnbBand { C, Ku };

// Ku band: LO 9000 to 12000 MHz; C band: LO 3000 to 5750 MHz; none for any other value.
std::optional<LnbBand> BandOf(double loMHz);

// RF of an IF through an LNB local oscillator: a Ku-band LO adds, a C-band one subtracts; any
// other LO gives none.
std::optional<double> RfOf(double ifMHz, double loMHz);
// The inverse, for matching a snapshot's RF to the sweep's IF axis.
std::optional<double> IfOf(double rfMHz, double loMHz);

}  // namespace mirelta::analysis
