// mirelta-cli export-all: one picture per listed record of each kind, for one or many files.
#include <QThread>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/export_batch.h"
#include "cli/headless_window.h"
#include "cli/usage.h"
#include "cli/window_options.h"

namespace mirelta::cli {
namespace {

struct ExportOptions : PictureOptions {
    std::vector<std::string> inputs;  // files or folders of them
    std::filesystem::path folder;
    std::string format = "png";
};

std::string Parse(const Arguments& args, ExportOptions& out) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (!arg.empty() && arg[0] != '-') {
            out.inputs.push_back(arg);
            continue;
        }
        if (const auto shared = ParsePictureOption(args, k, true, out)) {
            if (!shared->empty()) {
                return *shared;
            }
            continue;
        }
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
    if (out.inputs.empty()) {
        return "FILE is missing";
    }
    if (out.folder.empty()) {
        return "-d DIR is missing";
    }
    return "";
}

bool IsMemoryFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dat";
}

// One file goes straight into DIR; several files, or a folder's, each into DIR/<file name>.
// Returns the error message, or "".
std::string ListSources(const ExportOptions& options, std::vector<ExportSource>& sources) {
    std::vector<std::filesystem::path> files;
    bool fromFolder = false;
    for (const std::string& input : options.inputs) {
        std::error_code error;
        if (!std::filesystem::is_directory(input, error)) {
            files.emplace_back(input);
            continue;
        }
        fromFolder = true;
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(input, error)) {
            if (entry.is_regular_file() && IsMemoryFile(entry.path())) {
                found.push_back(entry.path());
            }
        }
        if (error) {
            return "cannot list " + input + ": " + error.message();
        }
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    const bool ownFolders = fromFolder || files.size() > 1;
    std::set<std::string> names;
    for (const auto& file : files) {
        const std::string name = file.stem().string();
        if (ownFolders && !names.insert(name).second) {
            return "two files would share the folder " + name;
        }
        sources.push_back({file, ownFolders ? options.folder / name : options.folder});
    }
    return "";
}

// All cores unless MIRELTA_THREADS asks for a number of threads.
int ThreadCount() {
    if (const char* chosen = std::getenv("MIRELTA_THREADS")) {
        if (const auto threads = ParseInt(chosen); threads && *threads > 0) {
            return *threads;
        }
    }
    return std::max(1, QThread::idealThreadCount());
}

int RunExportAll(const Arguments& args) {
    ExportOptions options;
    if (const std::string error = Parse(args, options); !error.empty()) {
        return UsageError(kExportAllCommand, error);
    }
    std::vector<ExportSource> sources;
    if (const std::string error = ListSources(options, sources); !error.empty()) {
        return UsageError(kExportAllCommand, error);
    }
    const OffscreenGui gui;
    const ExportOutcome outcome =
        ExportPictures(sources, {options.format, options.depth, options.language}, ThreadCount());
    if (outcome.listed > 0 || outcome.exitCode == kExitOk) {
        std::cout << "Wrote " << outcome.written << " of " << outcome.listed << " pictures to "
                  << options.folder.string() << '\n';
    }
    return outcome.exitCode;
}

}  // namespace

const Command kExportAllCommand{
    "export-all",
    "mirelta-cli export-all FILE|FOLDER... -d DIR [--format bmp|png] [--language en|fr] "
    "[--depth 16|24|32]",
    RunExportAll};

}  // namespace mirelta::cli
