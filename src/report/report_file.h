#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>
#include <filesystem>
#include <string>

#include "assess/assessment.h"
#include "export/atomic_file.h"
#include "report/report_captions.h"
#include "report/snapshot_rows.h"

namespace mirelta {

struct ReportRequest {
    std::string sourcePath;
    QString title;  // empty: the default title in the report's language
    ReportLanguage language = ReportLanguage::English;
    Thresholds thresholds;
};

// The whole report as PDF bytes. Fails with the window's own message when the source file
// cannot be read.
struct ReportPdf {
    bool ok = false;
    std::string message;
    QByteArray bytes;
};
// Paints the whole report on a fresh paged device (a PDF writer or a printer); false with the
// window's message when the source file cannot be read.
bool PaintReportOn(QPagedPaintDevice& device, const ReportRequest& request, std::string& message,
                   const ReportProgress& progress = {});

// The request's title, or the default one in the report's language.
QString ReportTitle(const ReportRequest& request);

ReportPdf MakeReportPdf(const ReportRequest& request, const ReportProgress& progress = {});

// Makes the report and writes it atomically over `output`.
SaveResult WriteReportFile(const ReportRequest& request, const std::filesystem::path& output,
                           const ReportProgress& progress = {});

}  // namespace mirelta
