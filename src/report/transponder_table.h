// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "analysis/spectrum_analysis.h"
#include "assess/snapshot_values.h"
#include "report/page_flow.h"
#include "report/report_captions.h"

namespace mirelta {

// One transponder as the report's first table shows it.
struct TransponderRow {
    QString rf;
    QString polarisation;
    QString symbolRate;
    QString snapshots;  // "Find 1, Constellation 1"
    QString carriers;   // "Spectrum 1 #4"
    Verdict verdict = Verdict::NotRated;
};

// Find and Constellation snapshots of one carrier form a row; the sweeps' carriers that lie on
// one of them join it.
std::vector<TransponderRow> TransponderRows(const RecordLists& lists,
                                            const std::vector<SnapshotValues>& model,
                                            const std::vector<analysis::SpectrumAnalysis>& spectra,
                                            ReportLanguage language);

// The rows and their total, counted by transponder.
void PaintTransponderTable(QPainter& painter, PageFlow& flow,
                           const std::vector<TransponderRow>& rows, ReportLanguage language);

}  // namespace mirelta
