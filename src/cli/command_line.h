// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>
#include <string>
#include <string_view>

#include "cli/failure.h"
#include "cli/source_options.h"

namespace mirelta::cli {

QCommandLineOption ReadTimeoutOption();

// The command's one FILE and --read-timeout.
Failure ParseSourceOptions(const QCommandLineParser& parser, SourceOptions& out);
// --read-timeout alone, for a command that reads several files.
Failure ParseReadDeadline(const QCommandLineParser& parser, std::chrono::milliseconds& out);

// The one value of the path option `name` (-o, -d), as the bytes it was given. Given twice or
// empty, it is a usage error; the command tells when it is missing.
Failure ParsePathOption(const QCommandLineParser& parser, const char* name, std::string& out);

// A signed decimal integer that makes up the whole text.
std::optional<int> ParseInt(const std::string& text);
// A finite decimal number, with a fraction and an exponent or not, that makes up the whole text.
std::optional<double> ParseDecimal(std::string_view text);

// The option's value as UTF-8.
std::string Value(const QCommandLineParser& parser, const char* option);

}  // namespace mirelta::cli
