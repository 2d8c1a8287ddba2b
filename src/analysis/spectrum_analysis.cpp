// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/spectrum_analysis.h"

#include <algorithm>
#include <cmath>

#include "analysis/lnb_conversion.h"

namespace mirelta::analysis {
namespace {

// A Constellation snapshot goes through the LNB of a Find snapshot of its frequency, else the
// user's.
std::optional<double> ConstellationLo(const RecordLists& lists, std::uint32_t rfMHz,
                                      const std::optional<double>& givenLo) {
    const std::optional<double> found = FindLoAt(lists, rfMHz);
    return found ? found : givenLo;
}

// With the sweep's LO known, a snapshot through an LNB of the other band lies elsewhere, whatever
// its IF.
bool Matches(const Carrier& carrier, int freqStep, std::uint32_t rfMHz,
             const std::optional<double>& lo, const std::optional<double>& givenLo) {
    if (!lo || (givenLo && BandOf(*lo) != BandOf(*givenLo))) {
        return false;
    }
    const std::optional<double> snapshotIf = IfOf(rfMHz, *lo);
    const double tolerance = std::max(static_cast<double>(freqStep), carrier.bandwidthMHz / 4);
    return snapshotIf && std::abs(*snapshotIf - carrier.centreMHz) <= tolerance;
}

// Records the snapshots that lie on the carrier, by label and by reference.
void LinkSnapshots(CarrierFinding& finding, int freqStep, const RecordLists& lists,
                   const std::optional<double>& givenLo) {
    const auto link = [&finding](const std::string& label, ScreenKind kind, int index) {
        finding.matches.push_back(label);
        finding.matched.push_back({kind, index});
    };
    for (int i = 0; i < lists.findCount; ++i) {
        const FindRecord& record = lists.find[static_cast<std::size_t>(i)];
        if (Matches(finding.carrier, freqStep, record.frequency(), LoOf(record), givenLo)) {
            link(record.listLabel(), ScreenKind::Find, i);
        }
    }
    for (int i = 0; i < lists.constellationCount; ++i) {
        const ConstellationRecord& record = lists.constellation[static_cast<std::size_t>(i)];
        const std::uint32_t rf = record.frequency();
        if (Matches(finding.carrier, freqStep, rf, ConstellationLo(lists, rf, givenLo), givenLo)) {
            link(record.listLabel(), ScreenKind::Constellation, i);
        }
    }
}

}  // namespace

SpectrumAnalysis AnalyseSpectrum(const RecordLists& lists, int index,
                                 const AnalysisSettings& settings) {
    const SpectrumRecord& record = lists.spectrum[static_cast<std::size_t>(index)];
    SpectrumAnalysis analysis;
    analysis.index = index;
    analysis.label = record.listLabel();
    analysis.sweep = SweepOf(record);
    SweepAnalysis found = DetectCarriers(analysis.sweep, settings.detection);
    analysis.floor = found.floor;
    for (const Carrier& carrier : found.carriers) {
        CarrierFinding finding{carrier, std::nullopt, {}, {}};
        LinkSnapshots(finding, analysis.sweep.freqStep, lists, settings.loMHz);
        if (settings.loMHz) {
            finding.rfMHz = RfOf(carrier.centreMHz, *settings.loMHz);
        }
        analysis.carriers.push_back(std::move(finding));
    }
    return analysis;
}

std::vector<SpectrumAnalysis> AnalyseSpectra(const RecordLists& lists,
                                             const AnalysisSettings& settings) {
    std::vector<SpectrumAnalysis> all;
    for (int i = 0; i < lists.spectrumCount; ++i) {
        all.push_back(AnalyseSpectrum(lists, i, settings));
    }
    return all;
}

}  // namespace mirelta::analysis
