#include "cli/threshold_options.h"

#include <cmath>
#include <string_view>

namespace mirelta::cli {
namespace {

bool ParseDb(const std::string& text, double& out) {
    if (text.empty()) {
        return false;
    }
    std::size_t used = 0;
    try {
        out = std::stod(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    // Past +-1000 dB no meter reading could ever be judged; keeps the hundredths in range.
    return used == text.size() && std::isfinite(out) && std::fabs(out) <= 1000.0;
}

}  // namespace

std::string TakeThresholdOptions(Arguments& args, Thresholds& out) {
    Thresholds parsed = out;
    Arguments rest;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const auto is = [&](std::string_view name) {
            return arg == name || (arg.starts_with(name) && arg[name.size()] == '=');
        };
        const std::string_view name = is("--pass-margin")   ? "--pass-margin"
                                      : is("--fail-margin") ? "--fail-margin"
                                                            : "";
        if (name.empty()) {
            rest.push_back(arg);
            continue;
        }
        std::string value;
        if (arg.size() > name.size()) {
            value = arg.substr(name.size() + 1);
        } else if (k + 1 < args.size()) {
            value = args[++k];
        } else {
            return std::string(name) + " needs a value in dB";
        }
        double db = 0;
        if (!ParseDb(value, db)) {
            return std::string(name) + " must be a number of dB, not '" + value + "'";
        }
        (name == "--pass-margin" ? parsed.passMargin : parsed.failMargin) = db;
    }
    if (parsed.failMargin > parsed.passMargin) {
        return "--fail-margin must not be above --pass-margin";
    }
    out = parsed;
    args = rest;
    return {};
}

}  // namespace mirelta::cli
