// mirelta-cli export-all: one picture per listed record of each kind.
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/headless_window.h"
#include "cli/safe_file_name.h"
#include "cli/usage.h"
#include "export/image_file.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta::cli {
namespace {

struct ExportOptions : PictureOptions {
    std::filesystem::path folder;
    std::string format = "png";
};

std::string Parse(const Arguments& args, ExportOptions& out) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (const auto shared = ParsePictureOption(args, k, true, out)) {
            if (!shared->empty()) {
                return *shared;
            }
            continue;
        }
        const std::string& arg = args[k];
        const bool takesValue = arg == "-d" || arg == "--format";
        if (takesValue && k + 1 >= args.size()) {
            return arg + " needs a value";
        }
        if (arg == "-d") {
            out.folder = args[++k];
        } else if (arg == "--format") {
            out.format = args[++k];
            if (out.format != "png" && out.format != "bmp") {
                return "--format must be bmp or png";
            }
        } else {
            return "unknown option " + arg;
        }
    }
    if (out.path.empty()) {
        return "FILE is missing";
    }
    if (out.folder.empty()) {
        return "-d DIR is missing";
    }
    return "";
}

struct Kind {
    const char* name;
    int screen;
    int list;
};

constexpr Kind kKinds[] = {{"find", 0, ids::FindList},
                           {"constellation", 1, ids::ConstellationList},
                           {"spectrum", 2, ids::SpectrumList}};

int RunExportAll(const Arguments& args) {
    ExportOptions options;
    if (const std::string error = Parse(args, options); !error.empty()) {
        return UsageError(kExportAllCommand, error);
    }
    const OffscreenGui gui;
    HeadlessWindow window;
    window.chooseLanguage(options.language);
    if (const int code = window.open(options.path); code != kExitOk) {
        return code;
    }
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (error) {
        std::cerr << "mirelta-cli: cannot create " << options.folder.string() << ": "
                  << error.message() << '\n';
        return kExitWriteFailed;
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
            const SaveResult saved = SaveImageFile(replica, file, options.depth);
            if (!saved.ok()) {
                ++failed;
                std::cerr << (showProgress ? "\n" : "") << "mirelta-cli: cannot write "
                          << file.string() << ": " << saved.reason() << '\n';
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
    return failed == 0 ? kExitOk : kExitWriteFailed;
}

}  // namespace

const Command kExportAllCommand{
    "export-all",
    "mirelta-cli export-all FILE -d DIR [--format bmp|png] [--language en|fr] [--depth 16|24|32]",
    RunExportAll};

}  // namespace mirelta::cli
