// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/analysis_page.h"

#include <QPainter>
#include <span>

#include "platform/text_codec.h"
#include "report/sweep_plot.h"

namespace mirelta {
namespace {

const QColor kHeaderFill(235, 235, 235);

QString Number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString Label(const analysis::SpectrumAnalysis& spectrum) {
    return QString::fromStdString(DecodeLocalTextToUtf8(spectrum.label));
}

QString FloorText(const analysis::SpectrumAnalysis& spectrum) {
    return spectrum.floor ? Number(*spectrum.floor, 1) : QStringLiteral("-");
}

struct TableColumn {
    Caption caption;
    double weight;
};

// A row of cells across the page whose widths follow the columns' weights.
void PaintRow(QPainter& painter, PageFlow& flow, std::span<const TableColumn> columns,
              const QStringList& texts, double height, bool header) {
    double total = 0;
    for (const TableColumn& c : columns) {
        total += c.weight;
    }
    painter.setFont(ReportFont(8, header));
    double x = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double width = flow.width() * columns[i].weight / total;
        flow.cell(QRectF(x, flow.y(), width, height), texts.value(static_cast<qsizetype>(i)),
                  header ? kHeaderFill : QColor(Qt::white));
        x += width;
    }
    flow.advance(height);
}

QStringList Headers(std::span<const TableColumn> columns, ReportLanguage language) {
    QStringList texts;
    for (const TableColumn& c : columns) {
        texts << CaptionText(c.caption, language);
    }
    return texts;
}

constexpr TableColumn kCarrierColumns[] = {
    {Caption::CarrierNumber, 3}, {Caption::CentreIf, 9},       {Caption::CentreRf, 9},
    {Caption::Bandwidth, 9},     {Caption::SymbolRateMsps, 9}, {Caption::Peak, 7},
    {Caption::CarrierCn, 6},     {Caption::ChannelPower, 9},   {Caption::Matches, 22},
};

}  // namespace

QString CarrierCountText(std::size_t count, ReportLanguage language) {
    return CaptionText(count == 1 ? Caption::OneCarrier : Caption::CarrierCount, language)
        .arg(count);
}

void PaintSpectrumAnalysis(QPainter& painter, PageFlow& flow,
                           const analysis::SpectrumAnalysis& spectrum, std::optional<double> loMHz,
                           ReportLanguage language) {
    flow.line(CaptionText(Caption::SpectrumAnalysis, language) +
                  QStringLiteral(" - %1 %2: ")
                      .arg(CaptionText(Caption::Spectrum, language))
                      .arg(spectrum.index + 1) +
                  Label(spectrum),
              ReportFont(14, true));
    flow.line(
        CaptionText(Caption::NoiseFloor, language) + QStringLiteral(": ") + FloorText(spectrum),
        ReportFont(10));
    const QRectF area(0, flow.y(), flow.width(), flow.height() * 0.5);
    const SweepPlot plot(
        spectrum, loMHz, area,
        {CaptionText(Caption::PlotNoData, language), CaptionText(Caption::PlotLevelAxis, language),
         CaptionText(Caption::PlotIfAxis, language), CaptionText(Caption::PlotRfAxis, language),
         CaptionText(Caption::PlotFloor, language)});
    painter.save();
    plot.paint(painter);
    painter.restore();
    flow.advance(area.height() + flow.mm(4));

    if (spectrum.carriers.empty()) {
        flow.line(CaptionText(Caption::NoCarriers, language), ReportFont(10));
        return;
    }
    const double rowHeight = flow.mm(5.5);
    const QStringList headers = Headers(kCarrierColumns, language);
    PaintRow(painter, flow, kCarrierColumns, headers, rowHeight * 1.6, true);
    int number = 1;
    for (const analysis::CarrierFinding& finding : spectrum.carriers) {
        if (!flow.fits(rowHeight)) {
            flow.newPage();
            PaintRow(painter, flow, kCarrierColumns, headers, rowHeight * 1.6, true);
        }
        const analysis::Carrier& c = finding.carrier;
        QStringList matches;
        for (const std::string& label : finding.matches) {
            matches << QString::fromStdString(DecodeLocalTextToUtf8(label));
        }
        PaintRow(painter, flow, kCarrierColumns,
                 {QString::number(number++), Number(c.centreMHz, 1),
                  finding.rfMHz ? Number(*finding.rfMHz, 1) : QStringLiteral("-"),
                  Number(c.bandwidthMHz, 1), Number(c.symbolRateMsps, 1), Number(c.peak, 0),
                  Number(c.cn, 1), Number(c.channelPower, 1), matches.join(QStringLiteral(", "))},
                 rowHeight, false);
    }
}

}  // namespace mirelta
