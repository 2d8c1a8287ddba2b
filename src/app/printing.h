// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>

#include "report/report_file.h"

class QPrinter;

namespace mirelta {

// The replica as large as the page allows, its proportions kept.
void PrintReplica(QPrinter& printer, const QImage& replica);

// The whole report; fails when the source file cannot be read.
void PrintReport(QPrinter& printer, const ReportRequest& request);

}  // namespace mirelta
