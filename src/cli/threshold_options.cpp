// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/threshold_options.h"

#include "cli/command_line.h"
#include "cli/failure.h"

namespace mirelta::cli {
namespace {

// Past +-1000 dB no meter reading could ever be judged; keeps the hundredths in range.
constexpr double kMarginLimit = 1000.0;
// More than any implementation loss a receiver is allowed.
constexpr double kAllowanceLimit = 10.0;

struct DbOption {
    const char* name;
    double Thresholds::*field;
    double lowest;
    double highest;
    const char* range;  // for the error
};

constexpr DbOption kOptions[] = {
    {"pass-margin", &Thresholds::passMargin, -kMarginLimit, kMarginLimit, "a number of dB"},
    {"fail-margin", &Thresholds::failMargin, -kMarginLimit, kMarginLimit, "a number of dB"},
    {"s2-allowance", &Thresholds::s2Allowance, 0, kAllowanceLimit, "a number of dB from 0 to 10"},
};

}  // namespace

std::vector<QCommandLineOption> ThresholdOptions() {
    return {{"pass-margin", "PASS from this margin up (default 3.0).", "DB"},
            {"fail-margin", "FAIL below this margin, MARGINAL between (default 0.0).", "DB"},
            {"s2-allowance",
             "Added to every DVB-S2 required C/N, as the DVB-S figures already hold 0.8 dB "
             "(0 to 10, default 0.8).",
             "DB"}};
}

Failure ParseThresholds(const QCommandLineParser& parser, Thresholds& out) {
    Thresholds parsed = out;
    for (const DbOption& option : kOptions) {
        if (!parser.isSet(option.name)) {
            continue;
        }
        const std::string value = Value(parser, option.name);
        const auto db = ParseDecimal(value);
        // The comparisons are also false for NaN.
        if (!db || !(*db >= option.lowest && *db <= option.highest)) {
            return UsageError("--" + std::string(option.name) + " must be " + option.range +
                              ", not '" + value + "'");
        }
        parsed.*option.field = *db;
    }
    if (parsed.failMargin > parsed.passMargin) {
        return UsageError("--fail-margin must not be above --pass-margin");
    }
    out = parsed;
    return {};
}

}  // namespace mirelta::cli
