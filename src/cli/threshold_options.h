// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <vector>

#include "assess/assessment.h"
#include "cli/failure.h"

namespace mirelta::cli {

// --pass-margin DB and --fail-margin DB, for the commands that give verdicts.
std::vector<QCommandLineOption> ThresholdOptions();

// The two margins, defaults where not given; a usage error for a bad number or a fail margin
// above the pass margin.
Failure ParseThresholds(const QCommandLineParser& parser, Thresholds& out);

}  // namespace mirelta::cli
