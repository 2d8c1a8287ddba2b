// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "analysis/spectrum_analysis.h"
#include "report/page_flow.h"
#include "report/report_captions.h"

namespace mirelta {

// "6 carriers", as the summary gives each sweep.
QString CarrierCountText(std::size_t count, ReportLanguage language);

// One sweep's measured plot with its carriers marked, then its carrier table.
void PaintSpectrumAnalysis(QPainter& painter, PageFlow& flow,
                           const analysis::SpectrumAnalysis& spectrum, std::optional<double> loMHz,
                           ReportLanguage language);

}  // namespace mirelta
