#pragma once

#include <QImage>
#include <string>

#include "report/report_file.h"

class QPrinter;

namespace mirelta {

// The replica as large as the page allows, its proportions kept.
void PrintReplica(QPrinter& printer, const QImage& replica);

// The whole report; false with the window's message when the source file cannot be read.
bool PrintReport(QPrinter& printer, const ReportRequest& request, std::string& message);

}  // namespace mirelta
