// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/transponder_groups.h"

#include <cstdlib>
#include <optional>

namespace mirelta {
namespace {

constexpr std::int64_t kRfToleranceMHz = 2;
constexpr std::int64_t kSymbolRatePercent = 1;

struct Carrier {
    std::uint32_t rfMHz;
    std::uint8_t polarisation;
    std::uint32_t symbolRate;
};

Carrier CarrierOf(const RecordLists& lists, const SnapshotValues& values) {
    const auto index = static_cast<std::size_t>(values.index);
    if (values.kind == ScreenKind::Find) {
        const FindRecord& r = lists.find[index];
        return {r.frequency(), r.polarisation(), r.symbolRate()};
    }
    const ConstellationRecord& r = lists.constellation[index];
    return {r.frequency(), r.polarisation(), r.symbolRate()};
}

bool SameTransponder(const Carrier& a, const Carrier& b) {
    const std::int64_t rfApart = std::llabs(std::int64_t{a.rfMHz} - std::int64_t{b.rfMHz});
    const std::int64_t rateApart =
        std::llabs(std::int64_t{a.symbolRate} - std::int64_t{b.symbolRate});
    // Polarisation is any non-zero value for vertical, as the screens read it.
    return rfApart <= kRfToleranceMHz && (a.polarisation != 0) == (b.polarisation != 0) &&
           rateApart * 100 <= kSymbolRatePercent * std::int64_t{a.symbolRate};
}

// Pass, then Marginal, then Fail: the later the worse.
int Severity(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return 1;
        case Verdict::Marginal:
            return 2;
        case Verdict::Fail:
            return 3;
        default:
            return 0;  // not a judgement of a locked carrier's quality
    }
}

Verdict WorstLocked(const TransponderGroup& group, const std::vector<SnapshotValues>& model) {
    std::optional<Verdict> worst;
    for (const std::size_t member : group.members) {
        const Assessment& a = model[member].assessment;
        if (a.verdict != Verdict::NoLock && (!worst || Severity(a.verdict) > Severity(*worst))) {
            worst = a.verdict;
        }
    }
    return worst.value_or(model[group.members.front()].assessment.verdict);
}

}  // namespace

std::vector<TransponderGroup> GroupTransponders(const RecordLists& lists,
                                                const std::vector<SnapshotValues>& model) {
    std::vector<TransponderGroup> groups;
    for (std::size_t i = 0; i < model.size(); ++i) {
        if (model[i].kind != ScreenKind::Find && model[i].kind != ScreenKind::Constellation) {
            continue;
        }
        const Carrier carrier = CarrierOf(lists, model[i]);
        TransponderGroup* home = nullptr;
        for (TransponderGroup& group : groups) {
            if (SameTransponder({group.rfMHz, group.polarisation, group.symbolRate}, carrier)) {
                home = &group;
                break;
            }
        }
        if (home == nullptr) {
            home = &groups.emplace_back(
                TransponderGroup{carrier.rfMHz, carrier.polarisation, carrier.symbolRate, {}, {}});
        }
        home->members.push_back(i);
    }
    for (TransponderGroup& group : groups) {
        group.verdict = WorstLocked(group, model);
    }
    return groups;
}

}  // namespace mirelta
