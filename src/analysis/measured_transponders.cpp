// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/measured_transponders.h"

#include <algorithm>
#include <cmath>

namespace mirelta::analysis {
namespace {

bool Circular(Polarisation polarisation) {
    return polarisation == Polarisation::Left || polarisation == Polarisation::Right;
}

MeasuredTransponder Snapshot(std::uint32_t rfMHz, std::uint8_t polarisation,
                             std::uint32_t symbolRateKsps) {
    MeasuredTransponder measured{
        static_cast<double>(rfMHz), kSnapshotToleranceMHz,
        polarisation != 0 ? Polarisation::Vertical : Polarisation::Horizontal, std::nullopt};
    if (symbolRateKsps != 0) {
        measured.symbolRateKsps = symbolRateKsps;
    }
    return measured;
}

ListedTransponder AsListed(const MeasuredTransponder& measured) {
    return {measured.rfMHz, measured.polarisation, measured.symbolRateKsps, {}, {}, {}};
}

// Adds `measured` unless a transponder already taken is the same one, within the looser of the
// two tolerances.
void Take(std::vector<MeasuredTransponder>& all, const MeasuredTransponder& measured) {
    if (std::none_of(all.begin(), all.end(), [&](const MeasuredTransponder& taken) {
            return Explains(AsListed(measured), taken) || Explains(AsListed(taken), measured);
        })) {
        all.push_back(measured);
    }
}

}  // namespace

bool Explains(const ListedTransponder& listed, const MeasuredTransponder& measured) {
    if (std::abs(listed.frequencyMHz - measured.rfMHz) > measured.toleranceMHz) {
        return false;
    }
    if (listed.polarisation && measured.polarisation && !Circular(*listed.polarisation) &&
        *listed.polarisation != *measured.polarisation) {
        return false;
    }
    return !listed.symbolRateKsps || !measured.symbolRateKsps ||
           std::abs(*listed.symbolRateKsps - *measured.symbolRateKsps) <=
               kSymbolRateTolerance * *listed.symbolRateKsps;
}

std::vector<MeasuredTransponder> MeasuredTransponders(
    const RecordLists& lists, const std::vector<SpectrumAnalysis>& spectra) {
    std::vector<MeasuredTransponder> all;
    for (int i = 0; i < lists.findCount; ++i) {
        const FindRecord& record = lists.find[static_cast<std::size_t>(i)];
        if (record.lockFlag() != 0 && record.frequency() != 0) {
            Take(all, Snapshot(record.frequency(), record.polarisation(), record.symbolRate()));
        }
    }
    for (int i = 0; i < lists.constellationCount; ++i) {
        const ConstellationRecord& record = lists.constellation[static_cast<std::size_t>(i)];
        if (record.frequency() != 0) {
            Take(all, Snapshot(record.frequency(), record.polarisation(), record.symbolRate()));
        }
    }
    for (const SpectrumAnalysis& spectrum : spectra) {
        for (const CarrierFinding& finding : spectrum.carriers) {
            if (finding.rfMHz) {
                Take(all, {*finding.rfMHz,
                           std::max(static_cast<double>(spectrum.sweep.freqStep),
                                    finding.carrier.bandwidthMHz / 4),
                           std::nullopt, std::nullopt});
            }
        }
    }
    return all;
}

}  // namespace mirelta::analysis
