// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QImage>
#include <filesystem>
#include <string>

#include "data/error.h"
#include "export/atomic_file.h"

namespace mirelta::cli {

// --format, with the command's own default in its description.
QCommandLineOption FormatOption(const char* defaultNote);

// The picture format: --format when given, else the extension of `output`, else `fallback`
// (for an output without an extension, or none at all). A format we cannot write is a usage
// error that lists those we can.
Error ChoosePictureFormat(const QCommandLineParser& parser, const std::string& output,
                          const std::string& fallback, std::string& format);

// Encodes the picture and writes it to `output` as WriteOutputFile does; "-" is standard output. A batch defers the
// flush to the disk and makes all its files durable at once.
Error WritePicture(const QImage& image, const std::string& format, int depth,
                   const std::filesystem::path& output,
                   Durability durability = Durability::Synced);

}  // namespace mirelta::cli
