// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assess/assessment.h"
#include "report/page_flow.h"
#include "report/report_captions.h"

namespace mirelta {

// The standards and figures the verdicts rest on, and the margins and allowance used.
void PaintCriteriaBox(QPainter& painter, PageFlow& flow, const Thresholds& thresholds,
                      ReportLanguage language);

}  // namespace mirelta
