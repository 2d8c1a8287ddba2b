// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli export-all: one picture per listed record of each kind, for one or many files.
#include <unistd.h>

#include <QThread>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>

#include "cli/argument_bytes.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/exit_codes.h"
#include "cli/failure.h"
#include "cli/offscreen_gui.h"
#include "cli/picture_output.h"
#include "cli/window_options.h"
#include "export/batch_export.h"
#include "export/export_file_name.h"

namespace mirelta::cli {
namespace {

constexpr int kThreadsPerCore = 4;

struct ExportOptions {
    std::vector<std::string> inputs;  // files or folders of them
    std::filesystem::path folder;
    ExportSettings settings;
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

Failure Parse(const QCommandLineParser& parser, ExportOptions& out) {
    for (const QString& input : parser.positionalArguments()) {
        if (input.startsWith('[')) {
            return UsageError("'" + input.toStdString() +
                              "': brackets in the usage mark an optional part; "
                              "give the option without them");
        }
        out.inputs.push_back(ArgumentBytes(input));
    }
    if (out.inputs.empty()) {
        return UsageError("FILE is missing");
    }
    PictureOptions picture;
    if (Failure error = ParseDepth(parser, picture); !error.ok()) {
        return error;
    }
    out.settings.depth = picture.depth;
    if (parser.isSet("language")) {
        const auto entry = ParseLanguage(Value(parser, "language"));
        if (!entry) {
            return UsageError("--language must be en or fr");
        }
        out.settings.language = static_cast<UiLanguage>(*entry);
    }
    if (Failure error = ParseReadDeadline(parser, out.settings.readDeadline); !error.ok()) {
        return error;
    }
    if (!parser.isSet("dir")) {
        return UsageError("-d DIR is missing");
    }
    std::string folder;
    if (Failure error = ParsePathOption(parser, "d", folder); !error.ok()) {
        return error;
    }
    out.folder = folder;
    return ChoosePictureFormat(parser, "", "png", out.settings.format);
}

bool IsMemoryFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dat";
}

// One file goes straight into DIR; several files, or a folder's, each into DIR/<file name>.
// `culprit` names the input that failed.
Failure ListSources(const ExportOptions& options, std::vector<ExportSource>& sources,
                    std::string& culprit) {
    std::vector<std::filesystem::path> files;
    bool fromFolder = false;
    for (const std::string& input : options.inputs) {
        std::error_code error;
        if (input == "-" || !std::filesystem::is_directory(input, error)) {
            files.emplace_back(input);
            continue;
        }
        fromFolder = true;
        culprit = input;
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(input, error)) {
            if (entry.is_regular_file() && IsMemoryFile(entry.path())) {
                found.push_back(entry.path());
            }
        }
        if (error) {
            return {FailureKind::CannotOpen, error.message()};
        }
        if (found.empty()) {
            return {FailureKind::CannotOpen, "a folder without .dat files"};
        }
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    const bool ownFolders = fromFolder || files.size() > 1;
    std::set<std::string> names;
    for (const auto& file : files) {
        const std::string name = ExportFolderName(file);
        if (ownFolders && !names.insert(name).second) {
            return UsageError("two files would share the folder " + name);
        }
        sources.push_back(
            {file.string(), ownFolders ? options.folder / name : options.folder, {}, ownFolders});
    }
    return {};
}

// Tells what the batch met, in input order; the exit code is the first failure's.
int TellNotes(const std::vector<ExportNote>& notes) {
    int exitCode = kExitOk;
    for (const ExportNote& note : notes) {
        int code = ExitCode(FailureKind::WriteFailed);
        switch (note.kind) {
            case ExportNote::Kind::NotMeterImage:
                std::cerr << note.path << ": not a meter memory image; nothing listed\n";
                continue;
            case ExportNote::Kind::ReadFailed:
                code = Fail(kExportAllCommand, Error{note.readError, note.reason}, note.path);
                break;
            case ExportNote::Kind::WriteFailed:
                Fail(kExportAllCommand, {FailureKind::WriteFailed, note.reason}, note.path);
                break;
            case ExportNote::Kind::FolderFailed:
                std::cerr << "mirelta-cli: cannot create " << note.path << ": " << note.reason
                          << '\n';
                break;
            case ExportNote::Kind::SyncFailed:
                std::cerr << "mirelta-cli: " << note.reason << '\n';
                break;
        }
        exitCode = exitCode == kExitOk ? code : exitCode;
    }
    return exitCode;
}

// All cores unless MIRELTA_THREADS asks for a number of threads. More than a few per core only
// costs memory, a window and a picture each.
int ThreadCount() {
    const int cores = std::max(1, QThread::idealThreadCount());
    const char* chosen = std::getenv("MIRELTA_THREADS");
    const std::optional<int> threads = chosen != nullptr ? ParseInt(chosen) : std::nullopt;
    if (!threads || *threads <= 0) {
        return cores;
    }
    const int most = kThreadsPerCore * cores;
    if (*threads > most) {
        std::cerr << "mirelta-cli: MIRELTA_THREADS=" << *threads << " is more than "
                  << kThreadsPerCore << " per core; using " << most << '\n';
        return most;
    }
    return *threads;
}

int RunExportAll(const QCommandLineParser& parser) {
    ExportOptions options;
    if (const Failure error = Parse(parser, options); !error.ok()) {
        return Fail(kExportAllCommand, error);
    }
    std::vector<ExportSource> sources;
    std::string culprit;
    if (const Failure error = ListSources(options, sources, culprit); !error.ok()) {
        return Fail(kExportAllCommand, error, culprit);
    }
    const OffscreenGui gui;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto progress = [terminal](int done, int total) {
        if (terminal) {
            std::cerr << "\rexporting " << done << '/' << total << std::flush;
        }
        return true;
    };
    const ExportOutcome outcome =
        ExportPictures(sources, options.settings, ThreadCount(), progress);
    if (terminal && outcome.listed > 0) {
        std::cerr << '\n';
    }
    const int exitCode = TellNotes(outcome.notes);
    if (outcome.listed > 0 || exitCode == kExitOk) {
        std::cout << "Wrote " << outcome.written << " of " << outcome.listed << " pictures to "
                  << options.folder.string() << '\n';
    }
    return exitCode;
}

}  // namespace

const Command kExportAllCommand{
    "export-all",
    "FILE|FOLDER... -d DIR [--format F] [--language en|fr]\n"
    "[--depth 16|24|32]",
    "one picture per listed record of each kind into a folder (PNG by default)",
    "One picture per listed record of each kind, named like find-00-<label>.png,\n"
    "as PNG unless --format says otherwise. One FILE's pictures go straight into\n"
    "DIR (created if needed); given several files, or a folder (its .dat files),\n"
    "each file's pictures go into DIR/<file name>. The work is spread over all\n"
    "cores (MIRELTA_THREADS=N sets the number of threads, at most 4 per core).\n"
    "Progress goes to stderr when it is a terminal, a summary to stdout. A file\n"
    "that cannot be written is reported and never left half-written; the exit\n"
    "code is then 5. A link found at a picture's name is replaced, never followed.",
    ExportOptionList,
    RunExportAll};

}  // namespace mirelta::cli
