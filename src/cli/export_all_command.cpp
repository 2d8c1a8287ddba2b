// mirelta-cli export-all: one picture per listed record of each kind.
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/failure.h"
#include "cli/headless_window.h"
#include "cli/picture_output.h"
#include "cli/safe_file_name.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta::cli {
namespace {

struct ExportOptions : PictureOptions {
    std::filesystem::path folder;
    std::string format;
};

std::vector<QCommandLineOption> ExportOptionList() {
    return {
        {{"d", "dir"}, "The folder for the pictures (required); created when needed.", "DIR"},
        FormatOption("default: png."),
        LanguageOption(),
        DepthOption(),
        ReadTimeoutOption(),
    };
}

Error Parse(const QCommandLineParser& parser, ExportOptions& out) {
    if (Error error = ParsePictureOptions(parser, out); !error.ok()) {
        return error;
    }
    if (Error error = ParseDepth(parser, out); !error.ok()) {
        return error;
    }
    if (!parser.isSet("dir")) {
        return UsageError("-d DIR is missing");
    }
    out.folder = Value(parser, "dir");
    return ChoosePictureFormat(parser, "", "png", out.format);
}

struct Kind {
    const char* name;
    int screen;
    int list;
};

constexpr Kind kKinds[] = {{"find", 0, ids::FindList},
                           {"constellation", 1, ids::ConstellationList},
                           {"spectrum", 2, ids::SpectrumList}};

int RunExportAll(const QCommandLineParser& parser) {
    ExportOptions options;
    if (const Error error = Parse(parser, options); !error.ok()) {
        return Fail(kExportAllCommand, error);
    }
    const OffscreenGui gui;
    HeadlessWindow window;
    window.chooseLanguage(options.language.value_or(0));
    if (const Error error = window.open(options.source); !error.ok()) {
        return Fail(kExportAllCommand, error, options.source.path);
    }
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (error) {
        std::cerr << "mirelta-cli: cannot create " << options.folder.string() << ": "
                  << error.message() << '\n';
        return ExitCode(ErrorKind::WriteFailed);
    }

    const ControlTable& controls = window.logic.controls;
    int total = 0;
    for (const Kind& kind : kKinds) {
        total += controls.itemCount(kind.list);
    }
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    int done = 0;
    int failed = 0;
    for (const Kind& kind : kKinds) {
        const int count = controls.itemCount(kind.list);
        if (count > 0) {
            window.chooseScreen(kind.screen);
        }
        for (int entry = 0; entry < count; ++entry) {
            window.pickRecord(kind.screen, entry);
            window.tick();
            const std::string label = DecodeLocalTextToUtf8(controls.find(kind.list)->items[entry]);
            const auto file =
                options.folder / ExportFileName(kind.name, entry, label, options.format);
            const QImage replica =
                window.logic.compositor.image().copy(controls.rect(ids::ScreenArea).toQRect());
            if (const Error written = WritePicture(replica, options.format, options.depth, file);
                !written.ok()) {
                ++failed;
                std::cerr << (showProgress ? "\n" : "");
                Fail(kExportAllCommand, written, file.string());
            }
            ++done;
            if (showProgress) {
                std::cerr << "\rexporting " << done << '/' << total << std::flush;
            }
        }
    }
    if (showProgress && total > 0) {
        std::cerr << '\n';
    }
    std::cout << "Wrote " << done - failed << " of " << total << " pictures to "
              << options.folder.string() << '\n';
    return ExitCode(failed == 0 ? ErrorKind::None : ErrorKind::WriteFailed);
}

}  // namespace

const Command kExportAllCommand{
    "export-all",
    "FILE -d DIR [--format F] [--language en|fr] [--depth 16|24|32]",
    "one picture per listed record of each kind into a folder (PNG by default)",
    "One picture per listed record of each kind, named like find-00-<label>.png,\n"
    "into DIR (created if needed), as PNG unless --format says otherwise. Progress\n"
    "goes to stderr when it is a terminal, a summary to stdout. A file that cannot\n"
    "be written is reported and never left half-written; the exit code is then 5.",
    ExportOptionList,
    RunExportAll};

}  // namespace mirelta::cli
