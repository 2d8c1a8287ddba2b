// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "analysis/satellite_identification.h"
#include "analysis/spectrum_analysis.h"
#include "report/job_details.h"
#include "report/report_captions.h"
#include "report/snapshot_rows.h"
#include "report/transponder_table.h"

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
    std::optional<JobDetails> job;
    std::optional<analysis::Identification> satellite;
    Thresholds thresholds;
    std::vector<TransponderRow> transponders;
    QString sha256;  // of the meter's memory image, hex
};

// The verdict's word in the report's language.
QString VerdictWord(Verdict verdict, ReportLanguage language);

// "11 PASS, 2 MARGINAL, 1 FAIL, 1 NO LOCK, 2 not rated" over the verdicts.
QString VerdictTotal(std::span<const Verdict> verdicts, ReportLanguage language);

// The summary from the first page on, then one page per snapshot, each page with its footer
// "page x of `pages`" (0: not known yet). `painter` is active on `device` (a PDF writer or a
// printer). Returns the number of pages painted.
int PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportContent& content,
                int pages);

}  // namespace mirelta
