// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/threshold_options.h"

#include <cmath>

#include "cli/command_line.h"
#include "cli/failure.h"

namespace mirelta::cli {
namespace {

bool ParseDb(const std::string& text, double& out) {
    const auto db = ParseDecimal(text);
    // Past +-1000 dB no meter reading could ever be judged; keeps the hundredths in range.
    if (!db || std::fabs(*db) > 1000.0) {
        return false;
    }
    out = *db;
    return true;
}

}  // namespace

std::vector<QCommandLineOption> ThresholdOptions() {
    return {{"pass-margin", "PASS from this margin up (default 3.0).", "DB"},
            {"fail-margin", "FAIL below this margin, MARGINAL between (default 0.0).", "DB"}};
}

Failure ParseThresholds(const QCommandLineParser& parser, Thresholds& out) {
    Thresholds parsed = out;
    for (const char* name : {"pass-margin", "fail-margin"}) {
        if (!parser.isSet(name)) {
            continue;
        }
        const std::string value = Value(parser, name);
        double db = 0;
        if (!ParseDb(value, db)) {
            return UsageError("--" + std::string(name) + " must be a number of dB, not '" + value +
                              "'");
        }
        (std::string(name) == "pass-margin" ? parsed.passMargin : parsed.failMargin) = db;
    }
    if (parsed.failMargin > parsed.passMargin) {
        return UsageError("--fail-margin must not be above --pass-margin");
    }
    out = parsed;
    return {};
}

}  // namespace mirelta::cli
