// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/analysis_options.h"

#include "analysis/lnb_conversion.h"
#include "cli/command_line.h"

namespace mirelta::cli {
namespace {

// Beyond this a carrier would have to stand higher over the floor than any level can.
constexpr double kHighestThreshold = 100;

}  // namespace

std::vector<QCommandLineOption> AnalysisOptions() {
    return {{"lo", "The LNB's local oscillator: carriers also get an RF frequency.", "MHz"},
            {"threshold", "How far a carrier stands over the noise floor (default 4).", "DB"}};
}

Failure ParseAnalysisSettings(const QCommandLineParser& parser, analysis::AnalysisSettings& out) {
    analysis::AnalysisSettings parsed = out;
    if (parser.isSet("lo")) {
        const std::string text = Value(parser, "lo");
        const auto lo = ParseDecimal(text);
        if (!lo || !analysis::RfOf(0, *lo) || *lo > 100000) {
            return UsageError(
                "--lo must be a C-band (up to 5750) or Ku-band (from 9000) LNB "
                "oscillator in MHz, not '" +
                text + "'");
        }
        parsed.loMHz = *lo;
    }
    if (parser.isSet("threshold")) {
        const std::string text = Value(parser, "threshold");
        const auto db = ParseDecimal(text);
        if (!db || *db <= 0 || *db > kHighestThreshold) {
            return UsageError("--threshold must be a number of dB above 0, not '" + text + "'");
        }
        parsed.detection.thresholdDb = *db;
    }
    out = parsed;
    return {};
}

}  // namespace mirelta::cli
