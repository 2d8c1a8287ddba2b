#pragma once

#include <QByteArray>
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
ReportPdf MakeReportPdf(const ReportRequest& request, const ReportProgress& progress = {});

// Makes the report and writes it atomically over `output`.
SaveResult WriteReportFile(const ReportRequest& request, const std::filesystem::path& output,
                           const ReportProgress& progress = {});

}  // namespace mirelta
