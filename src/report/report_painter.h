// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "analysis/spectrum_analysis.h"
#include "report/report_captions.h"
#include "report/snapshot_rows.h"

class QPagedPaintDevice;
class QPainter;

namespace mirelta {

struct ReportContent {
    QString title;
    QString fileName;
    QString fileDate;
    ReportLanguage language = ReportLanguage::English;
    int findCount = 0;
    int constellationCount = 0;
    int spectrumCount = 0;
    std::vector<SnapshotRow> rows;
    std::vector<analysis::SpectrumAnalysis> spectra;  // by Spectrum list index
    std::optional<double> loMHz;
};

// "11 PASS, 2 MARGINAL, 1 FAIL, 1 NO LOCK, 2 not rated" over every row.
QString VerdictTotal(const std::vector<SnapshotRow>& rows, ReportLanguage language);

// The summary from the first page on, then one page per snapshot. `painter` is active on
// `device` (a PDF writer or a printer).
void PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportContent& content);

}  // namespace mirelta
