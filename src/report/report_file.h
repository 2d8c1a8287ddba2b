// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>
#include <chrono>
#include <filesystem>
#include <string>

#include "analysis/satellite_identification.h"
#include "analysis/spectrum_analysis.h"
#include "assess/assessment.h"
#include "data/error.h"
#include "data/source_file.h"
#include "export/atomic_file.h"
#include "report/job_details.h"
#include "report/report_captions.h"
#include "report/snapshot_rows.h"

namespace mirelta {

// The report of a file already read: its name and its image, as the document holds them.
struct ReportRequest {
    std::string sourcePath;
    const SourceImage* image = nullptr;
    QString title;  // empty: the default title in the report's language
    ReportLanguage language = ReportLanguage::English;
    Thresholds thresholds;
    analysis::AnalysisSettings analysis;  // for the spectra's carriers
    std::optional<JobDetails> job;        // none: the report has no job block
    // Which satellite the transponders belong to; none: no lists to match against, no line.
    std::optional<analysis::Identification> satellite;
};

// Paints the whole report on a fresh paged device (a PDF writer or a printer).
void PaintReportOn(QPagedPaintDevice& device, const ReportRequest& request,
                   const ReportProgress& progress = {});

// The request's title, or the default one in the report's language.
QString ReportTitle(const ReportRequest& request);

// The whole report as PDF bytes.
QByteArray MakeReportPdf(const ReportRequest& request, const ReportProgress& progress = {});

// Makes the report and writes it atomically over `output`.
SaveResult WriteReportFile(const ReportRequest& request, const std::filesystem::path& output,
                           const ReportProgress& progress = {});

}  // namespace mirelta
