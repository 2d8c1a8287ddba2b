// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/job_details.h"
#include "report/page_flow.h"
#include "report/report_captions.h"

namespace mirelta {

// The job's details as a two-column box; empty fields are left out.
void PaintJobBlock(QPainter& painter, PageFlow& flow, const JobDetails& job,
                   ReportLanguage language);

// Lines for the installer's and the customer's signatures, side by side.
void PaintSignatureLines(QPainter& painter, PageFlow& flow, const JobDetails* job,
                         ReportLanguage language);

}  // namespace mirelta
