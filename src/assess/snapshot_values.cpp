// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/snapshot_values.h"

#include <optional>

#include "assess/verdict_line.h"
#include "format/reading_texts.h"
#include "format/value_format.h"

namespace mirelta {
namespace {

constexpr const char* kNone = "-";

std::string SystemName(std::uint8_t system) {
    return system == kSystemDvbS ? "DVB-S" : system == kSystemDvbS2 ? "DVB-S2" : kNone;
}

std::string Db(const std::optional<std::int64_t>& tenths) {
    return tenths ? DbText(*tenths) : kNone;
}

// The report reads labels trimmed, which drops the MER's padding.
std::string Unpadded(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// A rated mode reads as the system and the mode that rates it; else as the screen shows it.
void Judge(SnapshotValues& v, const Assessment& a, std::uint8_t system,
           const std::string& shownMode) {
    v.assessment = a;
    v.verdict = VerdictText(a.verdict);
    v.verdictLine = VerdictLine(a);
    v.requiredCn = Db(a.requiredCn);
    v.mode = shownMode;
    if (a.reference) {
        v.mode = SystemName(system) + ' ' + a.reference->mode;
        if (a.reference->shownAs) {
            v.mode += std::string(", shown by the meter as ") + a.reference->shownAs;
        }
    }
    v.cnMargin = Db(a.cnMargin);
    v.merMargin = Db(a.merMargin);
    if (a.cnMargin) {
        const bool mer = a.deciding == Deciding::Mer;
        v.margin = mer ? v.merMargin : v.cnMargin;
        v.deciding = mer ? "MER" : "C/N";
    }
}

}  // namespace

SnapshotValues ValuesOf(const FindRecord& r, int index, const Thresholds& thresholds) {
    SnapshotValues v;
    v.kind = ScreenKind::Find;
    v.index = index;
    v.label = r.listLabel();
    v.frequency = Printf("%d", static_cast<int>(r.frequency()));
    v.polarisation = PolarisationText(r.polarisation());
    v.symbolRate = Printf("%d", static_cast<int>(r.symbolRate()));
    v.power = PowerText(r);
    v.cn = CnText(r);
    v.ber = BerText(r);
    v.fec = FecText(r);
    Judge(v, Assess(r, thresholds), r.system(), SystemName(r.system()) + ' ' + v.fec);
    return v;
}

SnapshotValues ValuesOf(const ConstellationRecord& r, int index, const Thresholds& thresholds) {
    SnapshotValues v;
    v.kind = ScreenKind::Constellation;
    v.index = index;
    v.label = r.listLabel();
    v.frequency = Printf("%d", static_cast<int>(r.frequency()));
    v.polarisation = PolarisationText(r.polarisation());
    v.symbolRate = Printf("%d", static_cast<int>(r.symbolRate()));
    v.cn = CnText(r.cn());
    v.mer = Unpadded(MerText(r));
    v.ber = BerText(r.berMantissa(), r.berExponent());
    v.fec = FecText(r);
    v.modulation = ModulationText(r);
    Judge(v, Assess(r, thresholds), r.system(), v.modulation + ' ' + v.fec);
    return v;
}

SnapshotValues ValuesOf(const SpectrumRecord& r, int index) {
    SnapshotValues v;
    v.kind = ScreenKind::Spectrum;
    v.index = index;
    v.label = r.listLabel();
    v.leftEdge = Printf("%d", r.leftFrequency());
    v.rightEdge = Printf("%d", r.rightFrequency());
    v.frequency = v.leftEdge + " - " + v.rightEdge;
    const char* span = SpanOf(r.spanCode()).text;
    v.span = span ? span : "";
    v.verdict = VerdictText(v.assessment.verdict);
    return v;
}

std::vector<SnapshotValues> SnapshotModel(const RecordLists& lists, const Thresholds& thresholds) {
    std::vector<SnapshotValues> model;
    for (int k = 0; k < lists.findCount; ++k) {
        model.push_back(ValuesOf(lists.find[static_cast<std::size_t>(k)], k, thresholds));
    }
    for (int k = 0; k < lists.constellationCount; ++k) {
        model.push_back(ValuesOf(lists.constellation[static_cast<std::size_t>(k)], k, thresholds));
    }
    for (int k = 0; k < lists.spectrumCount; ++k) {
        model.push_back(ValuesOf(lists.spectrum[static_cast<std::size_t>(k)], k));
    }
    return model;
}

}  // namespace mirelta
