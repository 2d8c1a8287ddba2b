// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/snapshot_rows.h"

#include "assess/verdict_line.h"
#include "format/value_format.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

constexpr const char* kNone = "-";

QString Shown(const HeadlessDriver& camera, int id) {
    return DecodeLocalText(camera.document().controls().text(id)).trimmed();
}

QString Number(std::int64_t value) {
    return QString::number(value);
}

QString SystemName(std::uint8_t system) {
    return system == kSystemDvbS    ? QStringLiteral("DVB-S")
           : system == kSystemDvbS2 ? QStringLiteral("DVB-S2")
                                    : QString::fromLatin1(kNone);
}

QString Db(const std::optional<std::int64_t>& hundredths) {
    return hundredths ? QString::fromStdString(MarginDbText(*hundredths))
                      : QString::fromLatin1(kNone);
}

// The mode is the system and the rated mode, or what the screen shows when nothing rates it.
void Judge(SnapshotRow& row, const Assessment& a, ReportLanguage language, std::uint8_t system,
           const QString& shownMode) {
    row.verdict = a.verdict;
    row.verdictLine = VerdictSentence(a, language);
    row.requiredCn = a.reference ? QString::fromStdString(RequiredDbText(a.reference->requiredCn))
                                 : QString::fromLatin1(kNone);
    row.mode = a.reference
                   ? SystemName(system) + QLatin1Char(' ') + QString::fromLatin1(a.reference->mode)
                   : shownMode;
    row.margin = Db(a.merMargin && a.cnMargin ? std::min(*a.cnMargin, *a.merMargin) : a.cnMargin);
    row.merMargin = Db(a.merMargin);
}

SnapshotRow FindRow(const HeadlessDriver& camera, const FindRecord& r, const Thresholds& t,
                    ReportLanguage language) {
    SnapshotRow row;
    row.label = DecodeLocalText(r.listLabel());
    row.frequency = Number(static_cast<int>(r.frequency()));
    row.polarisation = r.polarisation() != 0 ? "Ver" : "Hor";
    row.symbolRate = Number(static_cast<int>(r.symbolRate()));
    row.power = Shown(camera, ids::find::Power);
    row.cn = Shown(camera, ids::find::Cn);
    row.mer = kNone;
    row.ber = Shown(camera, ids::find::Ber);
    row.leftEdge = row.rightEdge = row.span = kNone;
    Judge(row, Assess(r, t), language, r.system(),
          SystemName(r.system()) + QLatin1Char(' ') + Shown(camera, ids::find::Fec));
    return row;
}

SnapshotRow ConstellationRow(const HeadlessDriver& camera, const ConstellationRecord& r,
                             const Thresholds& t, ReportLanguage language) {
    SnapshotRow row;
    row.label = DecodeLocalText(r.listLabel());
    row.frequency = Number(static_cast<int>(r.frequency()));
    row.polarisation = r.polarisation() != 0 ? "Ver" : "Hor";
    row.symbolRate = Number(static_cast<int>(r.symbolRate()));
    row.power = kNone;
    row.cn = Shown(camera, ids::constellation::Cn);
    row.mer = Shown(camera, ids::constellation::Mer);
    row.ber = Shown(camera, ids::constellation::Ber);
    row.leftEdge = row.rightEdge = row.span = kNone;
    Judge(row, Assess(r, t), language, r.system(),
          Shown(camera, ids::constellation::Modulation) + QLatin1Char(' ') +
              Shown(camera, ids::constellation::Fec));
    return row;
}

SnapshotRow SpectrumRow(const HeadlessDriver& camera, const SpectrumRecord& r) {
    SnapshotRow row;
    row.label = DecodeLocalText(r.listLabel());
    row.frequency = Number(r.leftFrequency()) + QStringLiteral(" - ") + Number(r.rightFrequency());
    row.polarisation = row.symbolRate = row.mode = row.power = kNone;
    row.cn = row.mer = row.ber = row.requiredCn = row.margin = row.merMargin = kNone;
    row.leftEdge = Number(r.leftFrequency());
    row.rightEdge = Number(r.rightFrequency());
    row.span = Shown(camera, ids::spectrum::Span);
    row.verdict = Verdict::NotRated;
    return row;
}

}  // namespace

QString VerdictSentence(const Assessment& a, ReportLanguage language) {
    if (language == ReportLanguage::English) {
        return QString::fromStdString(VerdictLine(a));
    }
    const QString verdict = QString::fromLatin1(VerdictText(a.verdict));
    if (!a.locked) {
        return verdict + QStringLiteral(" : pas de verrouillage");
    }
    if (!a.reference || !a.cnMargin) {
        return verdict + QStringLiteral(" : aucun seuil publié pour ce mode");
    }
    QString line = QStringLiteral("%1 : marge de %2 dB au-dessus des %3 dB requis par %4")
                       .arg(verdict, QString::fromStdString(MarginDbText(*a.cnMargin)),
                            QString::fromStdString(RequiredDbText(a.reference->requiredCn)),
                            QString::fromLatin1(a.reference->mode));
    if (a.merMargin) {
        line += QStringLiteral(", marge MER %1 dB")
                    .arg(QString::fromStdString(MarginDbText(*a.merMargin)));
    }
    return line;
}

std::vector<SnapshotRow> CollectSnapshots(HeadlessDriver& camera, const Thresholds& thresholds,
                                          ReportLanguage language, const ReportProgress& progress) {
    camera.chooseLanguage(language == ReportLanguage::French ? UiLanguage::French
                                                             : UiLanguage::English);
    const RecordLists& lists = camera.document().lists();
    const int total = lists.findCount + lists.constellationCount + lists.spectrumCount;
    std::vector<SnapshotRow> rows;
    const auto add = [&](ScreenKind kind, int index, SnapshotRow row) {
        row.kind = kind;
        row.index = index;
        row.picture = camera.replica();
        rows.push_back(std::move(row));
        if (progress) {
            progress(static_cast<int>(rows.size()), total);
        }
    };
    for (int k = 0; k < lists.findCount; ++k) {
        camera.show(ScreenKind::Find, k);
        add(ScreenKind::Find, k, FindRow(camera, lists.find[k], thresholds, language));
    }
    for (int k = 0; k < lists.constellationCount; ++k) {
        camera.show(ScreenKind::Constellation, k);
        add(ScreenKind::Constellation, k,
            ConstellationRow(camera, lists.constellation[k], thresholds, language));
    }
    for (int k = 0; k < lists.spectrumCount; ++k) {
        camera.show(ScreenKind::Spectrum, k);
        add(ScreenKind::Spectrum, k, SpectrumRow(camera, lists.spectrum[k]));
    }
    return rows;
}

}  // namespace mirelta
