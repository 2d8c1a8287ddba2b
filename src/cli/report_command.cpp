// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli report FILE -o OUT.pdf: the installer's PDF report of every snapshot.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/offscreen_gui.h"
#include "cli/satellite_lists.h"
#include "cli/threshold_options.h"
#include "cli/window_options.h"
#include "export/temporary_name.h"
#include "report/job_details.h"
#include "report/report_file.h"

namespace mirelta::cli {
namespace {

std::vector<QCommandLineOption> ReportOptions() {
    std::vector<QCommandLineOption> options{
        {{"o", "output"}, "The PDF file (required).", "OUT.pdf"},
        {"language", "The captions' language: en (default) or fr.", "en|fr"},
        {"title", "The report's title (default: a title in the report's language).", "TEXT"},
        {"job", "The job details (default: NAME.job.json beside NAME.dat, if there).", "FILE.json"},
        TablesOption(),
        ReadTimeoutOption(),
    };
    for (QCommandLineOption& option : ThresholdOptions()) {
        options.push_back(std::move(option));
    }
    for (QCommandLineOption& option : AnalysisOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

struct ReportOptionValues {
    SourceOptions source;
    std::string output;
    std::optional<std::string> jobFile;
    ReportRequest request;
};

// The job details for the report: a named file must serve, one found beside the meter file
// only warns when it cannot. False when the report must not be made.
bool ReadJob(ReportOptionValues& options) {
    const bool named = options.jobFile.has_value();
    if (!named && options.source.path == "-") {
        return true;  // standard input has no file beside it
    }
    const std::filesystem::path file =
        named ? std::filesystem::path(*options.jobFile) : JobFilePath(options.source.path);
    JobReadResult job = ReadJobFile(file);
    if (named && !job.details && job.failure.isEmpty()) {
        job.failure = QStringLiteral("no such file");
    }
    if (!job.failure.isEmpty()) {
        std::fprintf(stderr, "mirelta-cli report: %s job file %s: %s\n",
                     named ? "cannot use the" : "leaving out the", file.string().c_str(),
                     job.failure.toLocal8Bit().constData());
        return !named;
    }
    options.request.job = job.details;
    return true;
}

Failure Parse(const QCommandLineParser& parser, ReportOptionValues& out) {
    SourceOptions source;
    if (Failure error = ParseSourceOptions(parser, source); !error.ok()) {
        return error;
    }
    if (Failure error = ParseThresholds(parser, out.request.thresholds); !error.ok()) {
        return error;
    }
    if (Failure error = ParseAnalysisSettings(parser, out.request.analysis); !error.ok()) {
        return error;
    }
    if (parser.isSet("language")) {
        const auto language = ParseLanguage(Value(parser, "language"));
        if (!language) {
            return UsageError("--language must be en or fr");
        }
        out.request.language = *language == 1 ? ReportLanguage::French : ReportLanguage::English;
    }
    if (parser.isSet("title")) {
        out.request.title = parser.value("title");
    }
    if (parser.isSet("job")) {
        out.jobFile = Value(parser, "job");
    }
    if (!parser.isSet("output")) {
        return UsageError("-o OUT.pdf is missing");
    }
    if (Failure error = ParsePathOption(parser, "o", out.output); !error.ok()) {
        return error;
    }
    out.source = source;
    out.request.sourcePath = source.path;
    return {};
}

int RunReport(const QCommandLineParser& parser) {
    ReportOptionValues options;
    if (const Failure error = Parse(parser, options); !error.ok()) {
        return Fail(kReportCommand, error);
    }
    ReadResult read = ReadSourceFile(options.source.path, options.source.deadline);
    if (!read.error.ok()) {
        return Fail(kReportCommand, read.error, options.source.path);
    }
    options.request.image = read.image.get();
    if (const auto tables = OptionalTables(kReportCommand, parser)) {
        // Load marks a foreign image valid; the report hashes the file's own bytes.
        auto image = std::make_unique<SourceImage>(*read.image);
        const auto lists = std::make_unique<RecordLists>(Load(*image));
        options.request.satellite =
            analysis::IdentifySatellite(*lists, *tables, options.request.analysis);
    }
    if (!ReadJob(options)) {
        return ExitCode(FailureKind::CannotOpen);
    }
    const OffscreenGui gui;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto progress = [terminal](int done, int total) {
        if (terminal) {
            std::fprintf(stderr, "\rreport: snapshot %d of %d", done, total);
        }
    };
    if (options.output != "-") {
        // A report killed earlier may have left its temporary file beside the output.
        RemoveStaleTemporaries(std::filesystem::absolute(options.output).parent_path());
    }
    const Failure error = WriteReportFile(options.request, options.output, progress);
    if (terminal) {
        std::fputc('\n', stderr);
    }
    return Fail(kReportCommand, error, options.output);
}

}  // namespace

const Command kReportCommand{
    "report",
    "FILE -o OUT.pdf [--language en|fr] [--title TEXT] [--job FILE.json]\n"
    "[--tables DIR] [--pass-margin DB] [--fail-margin DB] [--s2-allowance DB] [--lo MHz] "
    "[--threshold DB]",
    "a PDF report: a summary of every snapshot with its verdict, then one page each",
    "Writes one PDF to hand over: the job details (from --job, or NAME.job.json\n"
    "beside NAME.dat; none without either), the file, the satellite its\n"
    "transponders belong to as `identify` finds it against the lists of --tables\n"
    "DIR (no line without lists; a mismatch with the meter's name is boxed in\n"
    "amber), the criteria the verdicts\n"
    "rest on, one row per transponder (Find and Constellation snapshots within\n"
    "2 MHz, of one polarisation and within 1 % in symbol rate, with the sweeps'\n"
    "carriers on them) with its worst locked verdict, the table of every snapshot,\n"
    "and lines for the installer's and the customer's signatures; then one page\n"
    "per snapshot with its replica, values and verdict, and for a spectrum a page\n"
    "with its measured plot and carrier table (--lo and --threshold as for\n"
    "analyse). Every page's footer gives \"page x of y\", the version and the\n"
    "meter file's SHA-256. A job file that cannot be used stops a report that\n"
    "names it (exit 3) and is left out, with a warning, when found beside the file.\n"
    "The file is written atomically; progress goes to stderr on a terminal.\n"
    "--language fr gives French captions and verdict words.",
    ReportOptions,
    RunReport};

}  // namespace mirelta::cli
