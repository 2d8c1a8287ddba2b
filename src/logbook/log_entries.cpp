// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/log_entries.h"

#include "analysis/lnb_conversion.h"

namespace mirelta::logbook {
namespace {

void AddFindDetails(const FindRecord& record, LogEntry& entry) {
    entry.satellite = record.satelliteName();
    entry.rfMHz = record.frequency();
    if (const std::optional<double> lo = analysis::LoOf(record)) {
        entry.ifMHz = analysis::IfOf(*entry.rfMHz, *lo);
    }
}

}  // namespace

std::vector<LogEntry> EntriesOf(const RecordLists& lists, const LogSettings& settings) {
    const std::vector<analysis::SpectrumAnalysis> spectra =
        analysis::AnalyseSpectra(lists, settings.analysis);
    std::vector<LogEntry> entries;
    for (SnapshotValues& values : SnapshotModel(lists, settings.thresholds)) {
        LogEntry entry{std::move(values), {}, {}, {}, {}};
        const auto k = static_cast<std::size_t>(entry.values.index);
        switch (entry.values.kind) {
            case ScreenKind::Find:
                AddFindDetails(lists.find[k], entry);
                break;
            case ScreenKind::Constellation:
                entry.rfMHz = lists.constellation[k].frequency();
                break;
            case ScreenKind::Spectrum:
                entry.carriers = static_cast<int>(spectra[k].carriers.size());
                break;
            case ScreenKind::None:
                break;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace mirelta::logbook
