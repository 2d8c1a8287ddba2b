// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QImage>
#include <filesystem>
#include <string>

#include "cli/failure.h"
#include "export/atomic_file.h"

namespace mirelta::cli {

// --format, with the command's own default in its description.
QCommandLineOption FormatOption(const char* defaultNote);

// The picture format: --format when given, else the extension of `output`, else `fallback`
// (for an output without an extension, or none at all). A format we cannot write is a usage
// error that lists those we can.
Failure ChoosePictureFormat(const QCommandLineParser& parser, const std::string& output,
                            const std::string& fallback, std::string& format);

}  // namespace mirelta::cli
