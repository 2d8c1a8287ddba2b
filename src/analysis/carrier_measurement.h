// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "analysis/carrier_detection.h"
#include "analysis/trace.h"

namespace mirelta::analysis {

// The carrier standing over `floor` on trace points first..last, whose neighbours outside that
// range belong to the floor or to other carriers; none when its top does not stand over the
// floor.
std::optional<Carrier> MeasureCarrier(const Trace& trace, int first, int last, double floor,
                                      int freqStep);

// The level of a carrier's flat top among `levels` (not empty): the mean of the levels near the
// top, which leaves out its flanks and averages the noise on the top instead of following its
// peaks.
double PlateauOf(std::vector<int> levels);

}  // namespace mirelta::analysis
