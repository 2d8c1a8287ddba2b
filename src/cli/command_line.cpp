// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <charconv>
#include <cmath>

#include "cli/argument_bytes.h"
#include "cli/failure.h"
#include "data/source_file.h"

namespace mirelta::cli {
namespace {

// Below a millisecond the deadline would round to nothing; a day is beyond any source.
constexpr double kShortestReadTimeout = 0.001;
constexpr double kLongestReadTimeout = 86400;

std::string OptionFlag(const char* name) {
    return (name[0] != '\0' && name[1] == '\0' ? "-" : "--") + std::string(name);
}

}  // namespace

QCommandLineOption ReadTimeoutOption() {
    return {"read-timeout",
            "Seconds that a FILE which is not a regular file (a pipe, a terminal, a\ndevice, "
            "standard input) may take to deliver the image: 0.001 to 86400,\ndefault 5.",
            "S"};
}

std::string Value(const QCommandLineParser& parser, const char* option) {
    return parser.value(option).toStdString();
}

Failure ParseSourceOptions(const QCommandLineParser& parser, SourceOptions& out) {
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return UsageError("FILE is missing");
    }
    for (const QString& extra : files) {
        if (extra.startsWith('[')) {
            return UsageError("'" + extra.toStdString() +
                              "': brackets in the usage mark an optional part; "
                              "give the option without them");
        }
    }
    if (files.size() > 1) {
        return UsageError("only one FILE may be given, not '" + ArgumentBytes(files[0]) +
                          "' and '" + ArgumentBytes(files[1]) + "'");
    }
    out.path = ArgumentBytes(files[0]);
    if (out.path.empty()) {
        return UsageError("FILE must not be empty");
    }
    return ParseReadDeadline(parser, out.deadline);
}

Failure ParseReadDeadline(const QCommandLineParser& parser, std::chrono::milliseconds& out) {
    out = kDefaultReadDeadline;
    if (parser.isSet("read-timeout")) {
        const auto seconds = ParseDecimal(Value(parser, "read-timeout"));
        if (!seconds || *seconds < kShortestReadTimeout || *seconds > kLongestReadTimeout) {
            return UsageError("--read-timeout must be a number of seconds from 0.001 to 86400");
        }
        out = std::chrono::milliseconds(std::lround(*seconds * 1000));
    }
    return {};
}

Failure ParsePathOption(const QCommandLineParser& parser, const char* name, std::string& out) {
    const QStringList values = parser.values(name);
    if (values.size() > 1) {
        return UsageError(OptionFlag(name) + " may be given only once");
    }
    out = values.isEmpty() ? std::string() : ArgumentBytes(values[0]);
    if (out.empty()) {
        return UsageError(OptionFlag(name) + " must not be empty");
    }
    return {};
}

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
    // from_chars takes a minus sign but no plus sign; neither takes hexadecimal in this format.
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || error != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace mirelta::cli
