// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "data/record_lists.h"
#include "logbook/logbook.h"

namespace mirelta::logbook {

// Every listed snapshot in list order (Find, Constellation, Spectrum) with its satellite, RF, IF
// and carriers.
std::vector<LogEntry> EntriesOf(const RecordLists& lists, const LogSettings& settings);

}  // namespace mirelta::logbook
