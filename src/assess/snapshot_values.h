// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "assess/assessment.h"
#include "data/record_lists.h"
#include "data/screen_kind.h"

namespace mirelta {

// One listed snapshot's values as its screen and the report show them, each formatted here
// once. Values a kind does not have are "-".
struct SnapshotValues {
    ScreenKind kind = ScreenKind::Find;
    int index = 0;      // in its kind's list
    std::string label;  // 8-bit bytes as saved; the caller decodes them
    std::string frequency = "-";
    std::string polarisation = "-";
    std::string symbolRate = "-";
    std::string mode = "-";  // the system and rated mode, or the shown modulation and FEC
    std::string power = "-";
    std::string cn = "-";
    std::string mer = "-";
    std::string ber = "-";
    std::string fec = "-";
    std::string modulation = "-";
    std::string requiredCn = "-";  // with any allowance
    std::string cnMargin = "-";
    std::string merMargin = "-";
    std::string margin = "-";    // the one the verdict follows
    std::string deciding = "-";  // "C/N" or "MER": which margin that is
    Assessment assessment;
    std::string verdict;            // VerdictText; a spectrum is never rated
    std::string verdictLine = "-";  // English
    std::string leftEdge = "-";
    std::string rightEdge = "-";
    std::string span = "-";  // empty for an unknown span code, as its label then reads
};

SnapshotValues ValuesOf(const FindRecord& record, int index, const Thresholds& thresholds);
SnapshotValues ValuesOf(const ConstellationRecord& record, int index, const Thresholds& thresholds);
SnapshotValues ValuesOf(const SpectrumRecord& record, int index);

// Every listed snapshot in list order: Find, then Constellation, then Spectrum.
std::vector<SnapshotValues> SnapshotModel(const RecordLists& lists, const Thresholds& thresholds);

}  // namespace mirelta
