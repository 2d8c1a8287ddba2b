// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <vector>

#include "analysis/spectrum_analysis.h"
#include "cli/failure.h"

namespace mirelta::cli {

// --lo MHz and --threshold DB, for the commands that analyse spectra.
std::vector<QCommandLineOption> AnalysisOptions();

// A usage error for an LO outside the C and Ku bands' oscillators or a threshold that is not a
// positive number of dB.
Failure ParseAnalysisSettings(const QCommandLineParser& parser, analysis::AnalysisSettings& out);

}  // namespace mirelta::cli
