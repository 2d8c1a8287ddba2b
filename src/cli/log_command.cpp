// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli log: one row per snapshot of many files, for a logbook or a spreadsheet.
#include <unistd.h>

#include <QThread>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/argument_bytes.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/exit_codes.h"
#include "cli/failure.h"
#include "cli/log_forms.h"
#include "cli/log_rows.h"
#include "cli/satellite_lists.h"
#include "cli/threshold_options.h"
#include "export/output_file.h"
#include "export/write_all.h"
#include "logbook/log_reader.h"

namespace mirelta::cli {
namespace {

namespace fs = std::filesystem;

struct LogOptions {
    std::vector<fs::path> inputs;  // files or folders of them
    LogForm form = LogForm::Text;
    std::optional<fs::path> out;
    logbook::LogSettings settings;
};

std::vector<QCommandLineOption> LogOptionList() {
    std::vector<QCommandLineOption> options{
        {"csv", "CSV with a header row, one row per snapshot."},
        {"json", "A JSON array of row objects, one per line."},
        {"o", "Writes to OUT (replaced only once complete) instead of stdout.", "OUT"},
        TablesOption(),
        ReadTimeoutOption(),
    };
    for (QCommandLineOption& option : ThresholdOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

Failure Parse(const QCommandLineParser& parser, LogOptions& out) {
    for (const QString& input : parser.positionalArguments()) {
        if (input.startsWith('[')) {
            return UsageError("'" + input.toStdString() +
                              "': brackets in the usage mark an optional part; "
                              "give the option without them");
        }
        out.inputs.emplace_back(ArgumentBytes(input));
    }
    if (out.inputs.empty()) {
        return UsageError("FILE is missing");
    }
    if (parser.isSet("json") && parser.isSet("csv")) {
        return UsageError("only one of --json and --csv may be given");
    }
    out.form = parser.isSet("json")  ? LogForm::Json
               : parser.isSet("csv") ? LogForm::Csv
                                     : LogForm::Text;
    if (Failure error = ParseThresholds(parser, out.settings.thresholds); !error.ok()) {
        return error;
    }
    if (Failure error = ParseReadDeadline(parser, out.settings.readDeadline); !error.ok()) {
        return error;
    }
    if (parser.isSet("o")) {
        std::string path;
        if (Failure error = ParsePathOption(parser, "o", path); !error.ok()) {
            return error;
        }
        out.out = path;
    }
    return {};
}

// Rows go to standard output as each file is read, or to OUT in one atomic write at the end, so
// that OUT is never left half-written.
class LogOutput {
  public:
    explicit LogOutput(std::optional<fs::path> file) : file_(std::move(file)) {}

    // False once standard output refuses more: the run stops, as no one reads the rest.
    bool add(const std::string& text) {
        if (file_) {
            buffer_ += text;
            return true;
        }
        if (const int error = WriteAll(STDOUT_FILENO, Bytes(text)); error != 0) {
            failure_ = SystemFailure(SaveError::WriteFailed, error);
        }
        return failure_.ok();
    }

    SaveResult finish() const { return file_ ? WriteOutputFile(*file_, Bytes(buffer_)) : failure_; }

    std::string name() const { return file_ ? file_->string() : "standard output"; }

  private:
    static std::span<const std::uint8_t> Bytes(const std::string& text) {
        return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
    }

    std::optional<fs::path> file_;
    std::string buffer_;
    SaveResult failure_;
};

// A file the output marks, told on stderr too once the rows are out.
struct Note {
    std::string path;
    Error failure;
};

// In input order; the exit code is the first failure's.
int TellNotes(const std::vector<Note>& notes) {
    int exitCode = kExitOk;
    for (const Note& note : notes) {
        if (note.failure.ok()) {
            std::cerr << note.path << ": not a meter memory image; nothing listed\n";
            continue;
        }
        const int code = Fail(kLogCommand, note.failure, note.path);
        exitCode = exitCode == kExitOk ? code : exitCode;
    }
    return exitCode;
}

int RunLog(const QCommandLineParser& parser) {
    LogOptions options;
    if (const Failure error = Parse(parser, options); !error.ok()) {
        return Fail(kLogCommand, error);
    }
    const std::vector<fs::path> files = logbook::MeterFilesUnder(options.inputs);
    // Once for the run, before the first file: every file is matched against the same lists.
    const std::optional<analysis::SatelliteTables> tables = OptionalTables(kLogCommand, parser);
    options.settings.tables = tables ? &*tables : nullptr;
    LogOutput output(options.out);
    // On a terminal the rows themselves show how far the run is.
    const bool progress = isatty(STDERR_FILENO) != 0 && (options.out || isatty(STDOUT_FILENO) == 0);
    std::vector<Note> notes;
    bool writing = output.add(LogHead(options.form));
    std::size_t done = 0;
    const auto take = [&](const logbook::LogFile& file) {
        writing = output.add(LogBody(options.form, file, done == 0));
        if (!file.failure.ok() || file.notMeterFile) {
            notes.push_back({file.path.string(), file.failure});
        }
        if (progress) {
            std::cerr << "\rlogging " << ++done << '/' << files.size() << std::flush;
        } else {
            ++done;
        }
        return writing;
    };
    if (writing) {
        logbook::ReadLogFiles(files, options.settings, QThread::idealThreadCount(), take);
    }
    if (writing) {
        output.add(LogTail(options.form));
    }
    if (progress && !files.empty()) {
        std::cerr << '\n';
    }
    const int exitCode = TellNotes(notes);
    if (const SaveResult written = output.finish(); !written.ok()) {
        return Fail(kLogCommand, written, output.name());
    }
    return exitCode;
}

}  // namespace

const Command kLogCommand{
    "log",
    "FILE|FOLDER... [--csv|--json] [-o OUT] [--tables DIR] [--pass-margin DB]\n"
    "[--fail-margin DB]",
    "a logbook of many files: one row per snapshot with the file's hash and time",
    "One row per listed snapshot of every FILE and of every .dat file under each\n"
    "FOLDER (recursively, in path order; links to folders inside are not\n"
    "followed): file, the first 12 hex digits of its SHA-256 (as sha256sum gives\n"
    "them), its modification time (ISO 8601, UTC), kind, index, label, satellite\n"
    "(Find), likely position (the file's, as `identify` finds it against the lists\n"
    "of --tables DIR, on each of its rows: Hotbird 13.0E (9 of 10); empty when not\n"
    "identified or without lists), RF MHz (Find, Constellation), IF MHz (Find\n"
    "with a known LNB: RF - LO for Ku band, a dual LNB's high LO from 11700 MHz;\n"
    "LO - RF for C band),\n"
    "polarisation, symbol rate, mode, power, C/N, MER, BER, required C/N, margin,\n"
    "verdict, carriers (Spectrum, as `analyse` finds them) and failure. Rows are\n"
    "written as each file is read, in this order; files are read a few at a\n"
    "time, on all cores. A file that\n"
    "cannot be read gets one row with the reason in the failure column and is\n"
    "told on stderr; the run goes on, and the exit code is then the first such\n"
    "file's (3 or 4). A file that is not a meter's, or lists nothing, gets one\n"
    "row too. --csv loads into a spreadsheet as it is (UTF-8, quoted as RFC 4180\n"
    "says); --json gives an array of objects keyed by the CSV's header names,\n"
    "null for no value. Progress goes to stderr when it is a terminal and the rows\n"
    "do not. With -o the output is written when complete, never half-written;\n"
    "a failed write exits 5.",
    LogOptionList,
    RunLog};

}  // namespace mirelta::cli
