// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli render: the replica image of the same state that describe prints.
#include "cli/command.h"
#include "cli/failure.h"
#include "cli/offscreen_gui.h"
#include "cli/picture_output.h"
#include "export/image_file.h"
#include "platform/window_template.h"

namespace mirelta::cli {
namespace {

std::vector<QCommandLineOption> RenderOptions() {
    std::vector<QCommandLineOption> options = WindowOptionList();
    options.insert(
        options.begin() + 1,
        {{{"o", "output"}, "The picture file (required); - writes it to standard output.", "OUT"},
         FormatOption("default: by OUT's extension, bmp without one."),
         DepthOption()});
    return options;
}

struct RenderOptionValues : WindowOptions {
    std::string output;
    std::string format;
};

Failure Parse(const QCommandLineParser& parser, RenderOptionValues& out) {
    if (Failure error = ParseWindowOptions(parser, out); !error.ok()) {
        return error;
    }
    if (Failure error = ParseDepth(parser, out); !error.ok()) {
        return error;
    }
    if (!parser.isSet("output")) {
        return UsageError("-o OUT is missing");
    }
    if (Failure error = ParsePathOption(parser, "o", out.output); !error.ok()) {
        return error;
    }
    return ChoosePictureFormat(parser, out.output, "bmp", out.format);
}

int RunRender(const QCommandLineParser& parser) {
    RenderOptionValues options;
    if (const Failure error = Parse(parser, options); !error.ok()) {
        return Fail(kRenderCommand, error);
    }
    const OffscreenGui gui;
    HeadlessDriver driver;
    if (const Failure error = DriveWindow(driver, options); !error.ok()) {
        return Fail(kRenderCommand, error, options.source.path);
    }
    const QImage replica = driver.replica();
    if (const Failure written =
            WritePicture(replica, options.format, options.depth, options.output);
        !written.ok()) {
        return Fail(kRenderCommand, written, options.output);
    }
    return ExitCode(FailureKind::None);
}

}  // namespace

const Command kRenderCommand{
    "render",
    "FILE --screen find|constellation|spectrum -o OUT [--format F]\n"
    "[--depth 16|24|32] [--record N] [--language en|fr]\n"
    "[--ref-bottom DB] [--cursor X,Y]",
    "the 720 x 480 replica of describe's state as a picture",
    "Writes the 720 x 480 replica of the state that describe prints, through the\n"
    "same compositor as the window. The format follows OUT's extension (.bmp,\n"
    ".png, .jpg, ...) or --format; BMP is written at --depth bits, laid out as the\n"
    "window's Save writes it. An extension that names no format we can write is\n"
    "a usage error.",
    RenderOptions,
    RunRender};

}  // namespace mirelta::cli
