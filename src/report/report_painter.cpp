// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

#include "mirelta_version.h"
#include "report/analysis_page.h"
#include "report/criteria_box.h"
#include "report/job_block.h"
#include "report/page_flow.h"
#include "report/satellite_summary.h"
#include "report/transponder_table.h"
#include "report/verdict_colour.h"

namespace mirelta {
namespace {

QString KindName(ScreenKind kind, ReportLanguage language) {
    return CaptionText(kind == ScreenKind::Find            ? Caption::Find
                       : kind == ScreenKind::Constellation ? Caption::Constellation
                                                           : Caption::Spectrum,
                       language);
}

struct Column {
    Caption caption;
    double weight;
    QString SnapshotRow::*value;
};

constexpr std::array<Column, 11> kColumns{{
    {Caption::Label, 19, &SnapshotRow::label},
    {Caption::Frequency, 9, &SnapshotRow::frequency},
    {Caption::Polarisation, 4, &SnapshotRow::polarisation},
    {Caption::SymbolRate, 6, &SnapshotRow::symbolRate},
    {Caption::Mode, 12, &SnapshotRow::mode},
    {Caption::Power, 6, &SnapshotRow::power},
    {Caption::Cn, 6, &SnapshotRow::cn},
    {Caption::Mer, 6, &SnapshotRow::mer},
    {Caption::Ber, 7, &SnapshotRow::ber},
    {Caption::Margin, 6, &SnapshotRow::margin},
    {Caption::Verdict, 8, nullptr},
}};
constexpr double kKindWeight = 10;

class SummaryTable {
  public:
    SummaryTable(QPainter& painter, PageFlow& flow, ReportLanguage language)
        : painter_(painter), flow_(flow), language_(language) {
        double total = kKindWeight;
        for (const Column& c : kColumns) {
            total += c.weight;
        }
        unit_ = flow_.width() / total;
        rowHeight_ = flow_.mm(5.5);
    }

    void header() {
        const double height = rowHeight_ * 2;
        double x = 0;
        painter_.setFont(ReportFont(7.5, true));
        cell(x, kKindWeight, height, CaptionText(Caption::Kind, language_), QColor(235, 235, 235));
        for (const Column& c : kColumns) {
            cell(x, c.weight, height, CaptionText(c.caption, language_), QColor(235, 235, 235));
        }
        flow_.advance(height);
    }

    void row(const SnapshotRow& r) {
        if (!flow_.fits(rowHeight_)) {
            flow_.newPage();
            header();
        }
        double x = 0;
        painter_.setFont(ReportFont(7.5));
        cell(x, kKindWeight, rowHeight_,
             KindName(r.kind, language_) + QStringLiteral(" %1").arg(r.index + 1), Qt::white);
        for (const Column& c : kColumns) {
            if (c.value != nullptr) {
                cell(x, c.weight, rowHeight_, r.*c.value, Qt::white);
            } else {
                cell(x, c.weight, rowHeight_, VerdictWord(r.verdict, language_),
                     VerdictColour(r.verdict));
            }
        }
        flow_.advance(rowHeight_);
    }

  private:
    void cell(double& x, double weight, double height, const QString& text, const QColor& fill) {
        const QRectF box(x, flow_.y(), weight * unit_, height);
        flow_.cell(box, text, fill);
        x += box.width();
    }

    QPainter& painter_;
    PageFlow& flow_;
    ReportLanguage language_;
    double unit_ = 0;
    double rowHeight_ = 0;
};

// The line under the counts; a position that contradicts the meter's name is boxed in amber.
void PaintSatellite(PageFlow& flow, const analysis::Identification& satellite,
                    ReportLanguage lang) {
    flow.line(SatelliteSummary(satellite, lang), ReportFont(10));
    if (const QString warning = SatelliteWarning(satellite, lang); !warning.isEmpty()) {
        const QRectF box(0, flow.y(), flow.width(), flow.mm(8));
        flow.cell(box, warning, MismatchColour());
        flow.advance(box.height());
    }
}

// The hand-over part: who and where, by what criteria, per transponder, every snapshot, and the
// signatures.
void PaintSummary(QPainter& painter, PageFlow& flow, const ReportContent& c) {
    const ReportLanguage lang = c.language;
    flow.line(c.title, ReportFont(18, true));
    if (c.job) {
        PaintJobBlock(painter, flow, *c.job, lang);
    }
    const QFont text = ReportFont(10);
    flow.line(CaptionText(Caption::File, lang) + QStringLiteral(": ") + c.fileName, text);
    flow.line(CaptionText(Caption::FileDate, lang) + QStringLiteral(": ") + c.fileDate, text);
    flow.line(CaptionText(Caption::Counts, lang)
                  .arg(c.findCount)
                  .arg(c.constellationCount)
                  .arg(c.spectrumCount),
              text);
    // Without a measured transponder there is nothing to tell the satellite by.
    if (c.satellite && c.satellite->measured > 0) {
        PaintSatellite(flow, *c.satellite, lang);
    }
    flow.advance(flow.mm(3));
    PaintCriteriaBox(painter, flow, c.thresholds, lang);
    if (c.rows.empty()) {
        flow.line(CaptionText(Caption::NoSnapshots, lang), text);
    } else {
        PaintTransponderTable(painter, flow, c.transponders, lang);
        // The heading stays with the table's header and first rows.
        if (!flow.fits(flow.mm(30))) {
            flow.newPage();
        }
        flow.line(CaptionText(Caption::SnapshotTable, lang), ReportFont(13, true));
        SummaryTable table(painter, flow, lang);
        table.header();
        std::vector<Verdict> verdicts;
        for (const SnapshotRow& row : c.rows) {
            table.row(row);
            verdicts.push_back(row.verdict);
        }
        flow.advance(flow.mm(3));
        flow.line(VerdictTotal(verdicts, lang), ReportFont(11, true));
    }
    PaintSignatureLines(painter, flow, c.job ? &*c.job : nullptr, lang);
}

void PaintSection(QPainter& painter, PageFlow& flow, const SnapshotRow& r, ReportLanguage lang) {
    flow.line(KindName(r.kind, lang) + QStringLiteral(" %1: ").arg(r.index + 1) + r.label,
              ReportFont(14, true));
    // The replica's own 720 x 480 pixels, stored losslessly and scaled only by the viewer.
    const double pictureWidth = flow.width() * 0.62;
    const QRectF picture(0, flow.y(), pictureWidth,
                         pictureWidth * r.picture.height() / std::max(1, r.picture.width()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(picture, r.picture);

    std::vector<std::pair<Caption, QString>> values;
    if (r.kind == ScreenKind::Spectrum) {
        values = {{Caption::LeftEdge, r.leftEdge},
                  {Caption::RightEdge, r.rightEdge},
                  {Caption::Span, r.span}};
    } else {
        values = {{Caption::Frequency, r.frequency},
                  {Caption::Polarisation, r.polarisation},
                  {Caption::SymbolRate, r.symbolRate},
                  {Caption::Mode, r.mode},
                  {Caption::Power, r.power},
                  {Caption::Cn, r.cn},
                  {Caption::Mer, r.mer},
                  {Caption::Ber, r.ber},
                  {Caption::RequiredCn, r.requiredCn},
                  {Caption::CnMargin, r.cnMargin},
                  {Caption::MerMargin, r.merMargin}};
    }
    painter.setFont(ReportFont(10));
    const double left = pictureWidth + flow.mm(8);
    const double lineHeight = QFontMetricsF(painter.font(), painter.device()).height() * 1.4;
    double y = flow.y();
    for (const auto& [caption, value] : values) {
        painter.drawText(QPointF(left, y + lineHeight), CaptionText(caption, lang));
        painter.drawText(QPointF(left + flow.mm(38), y + lineHeight), value);
        y += lineHeight;
    }
    flow.advance(picture.height() + flow.mm(5));

    if (r.kind != ScreenKind::Spectrum) {
        flow.line(CaptionText(Caption::Assessment, lang), ReportFont(12, true));
        painter.setFont(ReportFont(11, true));
        const QRectF band(0, flow.y(), flow.width(), flow.mm(9));
        painter.fillRect(band, VerdictColour(r.verdict));
        painter.drawText(band.adjusted(flow.mm(2), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         r.verdictLine);
        flow.advance(band.height());
    }
}

}  // namespace

QString VerdictWord(Verdict verdict, ReportLanguage language) {
    return QString::fromUtf8(VerdictText(verdict, WordingOf(language)));
}

QString VerdictTotal(std::span<const Verdict> verdicts, ReportLanguage language) {
    std::array<int, kVerdictCount> counts{};
    for (const Verdict verdict : verdicts) {
        ++counts[static_cast<std::size_t>(verdict)];
    }
    QString total = CaptionText(Caption::Total, language);
    for (const int count : counts) {
        total = total.arg(count);
    }
    return total;
}

int PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportContent& content,
                int pages) {
    const ReportLanguage lang = content.language;
    PageFlow flow(painter, device,
                  {CaptionText(Caption::Software, lang).arg(QLatin1String(kVersion)),
                   CaptionText(Caption::FileHash, lang).arg(content.sha256),
                   CaptionText(Caption::PageOf, lang), pages});
    PaintSummary(painter, flow, content);
    for (const SnapshotRow& row : content.rows) {
        flow.newPage();
        PaintSection(painter, flow, row, content.language);
        if (row.kind == ScreenKind::Spectrum &&
            static_cast<std::size_t>(row.index) < content.spectra.size()) {
            flow.newPage();
            PaintSpectrumAnalysis(painter, flow,
                                  content.spectra[static_cast<std::size_t>(row.index)],
                                  content.loMHz, content.language);
        }
    }
    return flow.finish();
}

}  // namespace mirelta
