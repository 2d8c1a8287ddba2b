// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace mirelta::analysis {

// The noise floor, dBuV, of a sweep's levels (points with a level only); none without any.
// Carriers only ever add power, so the floor is read from the lowest levels: the median of the
// levels within 3 dB of the sweep's 5th percentile. Noise still fills that lowest
// twentieth when transponders cover most of the band.
std::optional<double> NoiseFloor(std::vector<int> levels);

}  // namespace mirelta::analysis
