// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/log_entries.h"

#include "analysis/carrier_detection.h"
#include "analysis/lnb_conversion.h"
#include "analysis/sweep.h"

namespace mirelta::logbook {
namespace {

void SetFrequencies(std::uint32_t rfMHz, const std::optional<double>& lo, LogEntry& entry) {
    entry.rfMHz = rfMHz;
    const std::optional<double> ifMHz = lo ? analysis::IfOf(rfMHz, *lo) : std::nullopt;
    // An RF on the wrong side of the LO never reached the meter through this LNB.
    if (ifMHz && *ifMHz > 0) {
        entry.ifMHz = ifMHz;
    }
}

// As AnalyseSpectrum finds them, without matching each carrier to the file's snapshots.
int CarriersOn(const SpectrumRecord& record, const LogSettings& settings) {
    const analysis::SweepAnalysis found =
        analysis::DetectCarriers(analysis::SweepOf(record), settings.analysis.detection);
    return static_cast<int>(found.carriers.size());
}

}  // namespace

std::vector<LogEntry> EntriesOf(const RecordLists& lists, const LogSettings& settings) {
    std::vector<SnapshotValues> model = SnapshotModel(lists, settings.thresholds);
    std::vector<LogEntry> entries;
    entries.reserve(model.size());
    for (SnapshotValues& values : model) {
        LogEntry entry{std::move(values), {}, {}, {}, {}};
        const auto k = static_cast<std::size_t>(entry.values.index);
        switch (entry.values.kind) {
            case ScreenKind::Find:
                entry.satellite = lists.find[k].satelliteName();
                SetFrequencies(lists.find[k].frequency(), analysis::LoOf(lists.find[k]), entry);
                break;
            case ScreenKind::Constellation: {
                const std::uint32_t rfMHz = lists.constellation[k].frequency();
                SetFrequencies(rfMHz, analysis::FindLoAt(lists, rfMHz), entry);
                break;
            }
            case ScreenKind::Spectrum:
                entry.carriers = CarriersOn(lists.spectrum[k], settings);
                break;
            case ScreenKind::None:
                break;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace mirelta::logbook
