// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/snapshot_rows.h"

#include "assess/verdict_line.h"
#include "platform/text_codec.h"

namespace mirelta {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The model's texts; the verdict line in the report's language.
SnapshotRow RowOf(const SnapshotValues& v, ReportLanguage language) {
    SnapshotRow row;
    row.kind = v.kind;
    row.index = v.index;
    row.label = DecodeLocalText(v.label);
    row.frequency = Text(v.frequency);
    row.polarisation = Text(v.polarisation);
    row.symbolRate = Text(v.symbolRate);
    row.mode = Text(v.mode);
    row.power = Text(v.power);
    row.cn = Text(v.cn);
    row.mer = Text(v.mer);
    row.ber = Text(v.ber);
    row.requiredCn = Text(v.requiredCn);
    row.cnMargin = Text(v.cnMargin);
    row.merMargin = Text(v.merMargin);
    row.margin = Text(v.margin);
    row.leftEdge = Text(v.leftEdge);
    row.rightEdge = Text(v.rightEdge);
    row.span = Text(v.span);
    row.verdict = v.assessment.verdict;
    if (v.kind != ScreenKind::Spectrum) {
        row.verdictLine = Text(VerdictLine(v.assessment, WordingOf(language)));
    }
    return row;
}

}  // namespace

Wording WordingOf(ReportLanguage language) {
    return language == ReportLanguage::French ? Wording::French : Wording::English;
}

std::vector<SnapshotRow> CollectSnapshots(HeadlessDriver& camera, const Thresholds& thresholds,
                                          ReportLanguage language, const ReportProgress& progress) {
    camera.chooseLanguage(language == ReportLanguage::French ? UiLanguage::French
                                                             : UiLanguage::English);
    const std::vector<SnapshotValues> model = SnapshotModel(camera.document().lists(), thresholds);
    std::vector<SnapshotRow> rows;
    for (const SnapshotValues& values : model) {
        camera.show(values.kind, values.index);
        rows.push_back(RowOf(values, language));
        rows.back().picture = camera.replica();
        if (progress) {
            progress(static_cast<int>(rows.size()), static_cast<int>(model.size()));
        }
    }
    return rows;
}

}  // namespace mirelta
