// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "data/find_record.h"
#include "data/record_lists.h"

namespace mirelta::analysis {

enum class LnbBand { C, Ku };

// Ku band: LO 9000 to 12000 MHz; C band: LO 3000 to 5750 MHz; none for any other value.
std::optional<LnbBand> BandOf(double loMHz);

// RF of an IF through an LNB local oscillator: a Ku-band LO adds, a C-band one subtracts; any
// other LO gives none.
std::optional<double> RfOf(double ifMHz, double loMHz);
// The inverse, for matching a snapshot's RF to the sweep's IF axis.
std::optional<double> IfOf(double rfMHz, double loMHz);

// The oscillator a Find snapshot's frequency went through: a dual LNB's high one from 11700 MHz,
// its low one below; none for an LNB whose oscillator is not known.
std::optional<double> LoOf(const FindRecord& record);

// A Constellation snapshot keeps no LNB: the oscillator of the file's first Find snapshot at the
// same frequency, which the meter knew; none without one.
std::optional<double> FindLoAt(const RecordLists& lists, std::uint32_t rfMHz);

}  // namespace mirelta::analysis
