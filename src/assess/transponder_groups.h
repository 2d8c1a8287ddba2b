// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assess/snapshot_values.h"
#include "data/record_lists.h"

namespace mirelta {

// Find and Constellation snapshots of one carrier: RF within 2 MHz, the same polarisation and
// symbol rates within 1 % of the first snapshot's.
struct TransponderGroup {
    std::uint32_t rfMHz = 0;  // the first snapshot's
    std::uint8_t polarisation = 0;
    std::uint32_t symbolRate = 0;
    std::vector<std::size_t> members;  // positions in the snapshot model, in model order
    // The worst verdict of the locked members; with none locked, the first member's.
    Verdict verdict = Verdict::NotRated;
};

// The model's Find and Constellation snapshots grouped by transponder, in the order of each
// group's first snapshot. `model` is SnapshotModel(lists, ...).
std::vector<TransponderGroup> GroupTransponders(const RecordLists& lists,
                                                const std::vector<SnapshotValues>& model);

}  // namespace mirelta
