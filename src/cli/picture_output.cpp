// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/picture_output.h"

#include <algorithm>
#include <iostream>

#include "cli/failure.h"
#include "export/image_encoding.h"
#include "export/output_file.h"

namespace mirelta::cli {
namespace {

std::string Supported() {
    std::string list;
    for (const std::string& format : SavableImageFormats()) {
        list += (list.empty() ? "" : ", ") + format;
    }
    return list;
}

}  // namespace

QCommandLineOption FormatOption(const char* defaultNote) {
    return {"format",
            QString("Picture format: bmp (our writer, at --depth) or any format the\ninstalled "
                    "image plugins write (png, jpg, ...);\n%1")
                .arg(defaultNote),
            "F"};
}

Failure ChoosePictureFormat(const QCommandLineParser& parser, const std::string& output,
                            const std::string& fallback, std::string& format) {
    if (parser.isSet("format")) {
        format = parser.value("format").toLower().toStdString();
        const std::vector<std::string> savable = SavableImageFormats();
        if (std::find(savable.begin(), savable.end(), format) == savable.end()) {
            return UsageError("--format " + format +
                              " cannot be written; supported: " + Supported());
        }
        return {};
    }
    const std::filesystem::path path(output);
    if (output == "-" || path.extension().string().size() < 2) {
        format = fallback;
        return {};
    }
    const auto byExtension = ImageFormatOfPath(path);
    if (!byExtension) {
        return UsageError("cannot write a picture as '" + path.extension().string() +
                          "'; supported: " + Supported());
    }
    format = *byExtension;
    return {};
}

}  // namespace mirelta::cli
