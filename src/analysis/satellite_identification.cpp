// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/satellite_identification.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/orbital_position.h"

namespace mirelta::analysis {
namespace {

constexpr std::size_t kCandidates = 3;

int Matched(const OrbitalPosition& position, const std::vector<MeasuredTransponder>& measured) {
    int matched = 0;
    const auto& listed = position.transponders;
    for (const MeasuredTransponder& m : measured) {
        auto it = std::lower_bound(listed.begin(), listed.end(), m.rfMHz - m.toleranceMHz,
                                   [](const ListedTransponder& t, double frequencyMHz) {
                                       return t.frequencyMHz < frequencyMHz;
                                   });
        for (; it != listed.end() && it->frequencyMHz <= m.rfMHz + m.toleranceMHz; ++it) {
            if (Explains(*it, m)) {
                ++matched;
                break;
            }
        }
    }
    return matched;
}

bool ClearlyAhead(const Candidate& leader, int runnerUpMatched, int measured) {
    const int margin = leader.matched - runnerUpMatched;
    return measured >= kFewestMeasured && leader.matched >= kLikelyShare * measured &&
           margin >= kClearMarginTransponders && margin >= kClearMarginShare * measured;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string{}
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

Identification Identify(const std::vector<MeasuredTransponder>& measured,
                        const SatelliteTables& tables) {
    Identification found;
    found.measured = static_cast<int>(measured.size());
    // Of equals, the shorter list first: it is less likely to explain them by chance.
    std::vector<std::pair<Candidate, std::size_t>> scored;
    for (const OrbitalPosition& position : tables.positions) {
        if (const int matched = Matched(position, measured); matched > 0) {
            scored.push_back(
                {{position.name, position.degrees, matched}, position.transponders.size()});
        }
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) {
        return a.first.matched != b.first.matched ? a.first.matched > b.first.matched
                                                  : a.second < b.second;
    });
    std::vector<Candidate> ranked;
    for (auto& [candidate, listed] : scored) {
        ranked.push_back(std::move(candidate));
    }
    if (!ranked.empty()) {
        const Candidate& leader = ranked.front();
        const auto runnerUp = std::find_if(ranked.begin(), ranked.end(), [&](const Candidate& c) {
            return DegreesApart(c.degrees, leader.degrees) > kSamePositionDegrees;
        });
        if (ClearlyAhead(leader, runnerUp == ranked.end() ? 0 : runnerUp->matched,
                         found.measured)) {
            found.likely = leader;
        }
    }
    ranked.resize(std::min(ranked.size(), kCandidates));
    found.candidates = std::move(ranked);
    return found;
}

std::optional<Claim> ClaimedByFinds(const RecordLists& lists) {
    std::map<long, std::pair<int, Claim>> named;  // by tenths of a degree: count, first name
    int naming = 0;
    for (int i = 0; i < lists.findCount; ++i) {
        const std::string name = lists.find[static_cast<std::size_t>(i)].satelliteName();
        if (const std::optional<double> degrees = ClaimedPosition(name)) {
            const auto entry =
                named.try_emplace(std::lround(*degrees * 10), 0, Claim{*degrees, Trimmed(name)})
                    .first;
            ++entry->second.first;
            ++naming;
        }
    }
    for (const auto& [tenths, counted] : named) {
        if (2 * counted.first > naming) {
            return counted.second;
        }
    }
    return std::nullopt;
}

Identification IdentifySatellite(const RecordLists& lists, const SatelliteTables& tables,
                                 const AnalysisSettings& settings) {
    // Without an LO, carriers have no RF and add nothing: spare the sweeps' analysis.
    const std::vector<SpectrumAnalysis> spectra =
        settings.loMHz ? AnalyseSpectra(lists, settings) : std::vector<SpectrumAnalysis>{};
    Identification found = Identify(MeasuredTransponders(lists, spectra), tables);
    if (const auto claimed = ClaimedByFinds(lists)) {
        found.claimedDegrees = claimed->degrees;
        found.claimedName = claimed->name;
        found.mismatch = found.likely && DegreesApart(found.likely->degrees, claimed->degrees) >
                                             kSamePositionDegrees;
    }
    return found;
}

std::string PositionLabel(const Candidate& candidate) {
    return candidate.name + " " + PositionText(candidate.degrees);
}

std::string LikelyLabel(const Identification& identification) {
    if (!identification.likely) {
        return {};
    }
    return PositionLabel(*identification.likely) + " (" +
           std::to_string(identification.likely->matched) + " of " +
           std::to_string(identification.measured) + ")";
}

std::string SummaryLine(const Identification& identification) {
    return identification.likely ? "Satellite: likely " + LikelyLabel(identification)
                                 : "Satellite: not identified";
}

std::string MismatchWarning(const Identification& identification) {
    if (!identification.mismatch) {
        return {};
    }
    return "The transponders match " + LikelyLabel(identification) + ", not " +
           identification.claimedName + " as saved on the meter";
}

}  // namespace mirelta::analysis
