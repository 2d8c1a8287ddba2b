// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/spectrum_analysis.h"
#include "cli/json_writer.h"

namespace mirelta::cli {

// "points": [[MHz, dBuV], ...], a point without a level as [MHz, null].
void WriteSweepPoints(JsonWriter& json, const analysis::Sweep& sweep);
// "floor" (null without one) and "carriers", each with its RF (null without an LO) and the
// labels of the snapshots it matches.
void WriteFloorAndCarriers(JsonWriter& json, const analysis::SpectrumAnalysis& analysis);

}  // namespace mirelta::cli
