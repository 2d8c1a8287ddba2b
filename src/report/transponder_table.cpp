// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/transponder_table.h"

#include <QPainter>
#include <span>

#include "assess/transponder_groups.h"
#include "report/report_painter.h"
#include "report/verdict_colour.h"

namespace mirelta {
namespace {

QString KindCaption(ScreenKind kind, ReportLanguage language) {
    return CaptionText(kind == ScreenKind::Find ? Caption::Find : Caption::Constellation, language);
}

// Where each Find and Constellation snapshot sits in the model.
std::optional<std::size_t> ModelPosition(const std::vector<SnapshotValues>& model,
                                         const analysis::SnapshotRef& ref) {
    for (std::size_t i = 0; i < model.size(); ++i) {
        if (model[i].kind == ref.kind && model[i].index == ref.index) {
            return i;
        }
    }
    return std::nullopt;
}

struct Column {
    Caption caption;
    double weight;
    QString TransponderRow::*value;
};

constexpr Column kColumns[] = {
    {Caption::Transponder, 8, &TransponderRow::rf},
    {Caption::Polarisation, 4, &TransponderRow::polarisation},
    {Caption::SymbolRate, 8, &TransponderRow::symbolRate},
    {Caption::Snapshots, 22, &TransponderRow::snapshots},
    {Caption::SpectrumCarriers, 18, &TransponderRow::carriers},
    {Caption::Verdict, 10, nullptr},
};

void PaintRow(QPainter& painter, PageFlow& flow, const TransponderRow* row, double height,
              ReportLanguage language) {
    double total = 0;
    for (const Column& c : kColumns) {
        total += c.weight;
    }
    painter.setFont(ReportFont(8, row == nullptr));
    double x = 0;
    for (const Column& c : kColumns) {
        const double width = flow.width() * c.weight / total;
        const QRectF box(x, flow.y(), width, height);
        if (row == nullptr) {
            flow.cell(box, CaptionText(c.caption, language), QColor(235, 235, 235));
        } else if (c.value != nullptr) {
            flow.cell(box, (*row).*c.value, Qt::white);
        } else {
            flow.cell(box, VerdictWord(row->verdict, language), VerdictColour(row->verdict));
        }
        x += width;
    }
    flow.advance(height);
}

}  // namespace

std::vector<TransponderRow> TransponderRows(const RecordLists& lists,
                                            const std::vector<SnapshotValues>& model,
                                            const std::vector<analysis::SpectrumAnalysis>& spectra,
                                            ReportLanguage language) {
    const std::vector<TransponderGroup> groups = GroupTransponders(lists, model);
    std::vector<TransponderRow> rows;
    std::vector<std::size_t> groupOf(model.size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const SnapshotValues& first = model[groups[g].members.front()];
        TransponderRow row{QString::fromStdString(first.frequency),
                           QString::fromStdString(first.polarisation),
                           QString::fromStdString(first.symbolRate),
                           {},
                           {},
                           groups[g].verdict};
        QStringList names;
        for (const std::size_t member : groups[g].members) {
            names << KindCaption(model[member].kind, language) +
                         QStringLiteral(" %1").arg(model[member].index + 1);
            groupOf[member] = g;
        }
        row.snapshots = names.join(QStringLiteral(", "));
        rows.push_back(row);
    }
    for (const analysis::SpectrumAnalysis& spectrum : spectra) {
        for (std::size_t c = 0; c < spectrum.carriers.size(); ++c) {
            const QString name = CaptionText(Caption::Spectrum, language) +
                                 QStringLiteral(" %1 #%2").arg(spectrum.index + 1).arg(c + 1);
            for (const analysis::SnapshotRef& ref : spectrum.carriers[c].matched) {
                const auto position = ModelPosition(model, ref);
                if (!position || groupOf[*position] == groups.size()) {
                    continue;
                }
                QString& carriers = rows[groupOf[*position]].carriers;
                if (!carriers.contains(name)) {
                    carriers += (carriers.isEmpty() ? QString() : QStringLiteral(", ")) + name;
                }
            }
        }
    }
    return rows;
}

void PaintTransponderTable(QPainter& painter, PageFlow& flow,
                           const std::vector<TransponderRow>& rows, ReportLanguage language) {
    if (rows.empty()) {
        return;
    }
    const double rowHeight = flow.mm(5.5);
    if (!flow.fits(flow.mm(10) + rowHeight * 3.4)) {
        flow.newPage();
    }
    flow.line(CaptionText(Caption::Transponders, language), ReportFont(13, true));
    PaintRow(painter, flow, nullptr, rowHeight * 1.4, language);
    std::vector<Verdict> verdicts;
    for (const TransponderRow& row : rows) {
        if (!flow.fits(rowHeight)) {
            flow.newPage();
            PaintRow(painter, flow, nullptr, rowHeight * 1.4, language);
        }
        PaintRow(painter, flow, &row, rowHeight, language);
        verdicts.push_back(row.verdict);
    }
    flow.advance(flow.mm(2));
    flow.line(CaptionText(Caption::TransponderTotal, language).arg(rows.size()) +
                  VerdictTotal(verdicts, language),
              ReportFont(11, true));
    flow.advance(flow.mm(2));
}

}  // namespace mirelta
