// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <charconv>
#include <cmath>

#include "cli/failure.h"
#include "data/source_file.h"

namespace mirelta::cli {

QCommandLineOption ReadTimeoutOption() {
    return {"read-timeout",
            "Seconds that a FILE which is not a regular file (a pipe, a terminal, a\ndevice, "
            "standard input) may take to deliver the image; default 5.",
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
        return UsageError("only one FILE may be given, not '" + files[0].toStdString() + "' and '" +
                          files[1].toStdString() + "'");
    }
    out.path = files[0].toStdString();
    return ParseReadDeadline(parser, out.deadline);
}

Failure ParseReadDeadline(const QCommandLineParser& parser, std::chrono::milliseconds& out) {
    out = kDefaultReadDeadline;
    if (parser.isSet("read-timeout")) {
        bool number = false;
        const double seconds = parser.value("read-timeout").toDouble(&number);
        if (!number || !std::isfinite(seconds) || seconds <= 0 || seconds > 86400) {
            return UsageError("--read-timeout must be a number of seconds above 0");
        }
        out = std::chrono::milliseconds(std::lround(seconds * 1000));
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

}  // namespace mirelta::cli
