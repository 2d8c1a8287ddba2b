// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <vector>

#include "assess/assessment.h"
#include "cli/failure.h"

namespace mirelta::cli {

// --pass-margin DB, --fail-margin DB and --s2-allowance DB, for the commands that give verdicts.
std::vector<QCommandLineOption> ThresholdOptions();

// The margins and the allowance, defaults where not given; a usage error for a bad number, an
// allowance outside 0 to 10 dB or a fail margin above the pass margin.
Failure ParseThresholds(const QCommandLineParser& parser, Thresholds& out);

}  // namespace mirelta::cli
