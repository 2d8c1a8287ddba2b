// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sweep.h"

#include <algorithm>

#include "format/reading_texts.h"

namespace mirelta::analysis {

Sweep SweepOf(const SpectrumRecord& record) {
    Sweep sweep;
    sweep.freqStep = SpanOf(record.spanCode()).freqStep;
    // 64-bit: saved edges are any 32-bit values.
    const std::int64_t left = record.leftFrequency();
    const std::int64_t width = left - record.rightFrequency();
    if (width < 0) {
        return sweep;
    }
    const auto count = std::min<std::int64_t>(SpectrumRecord::kLevels, width / sweep.freqStep + 1);
    sweep.points.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        sweep.points.push_back(
            {static_cast<double>(left - std::int64_t{k} * sweep.freqStep), record.level(k)});
    }
    return sweep;
}

}  // namespace mirelta::analysis
