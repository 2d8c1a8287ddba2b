// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli report FILE -o OUT.pdf: the installer's PDF report of every snapshot.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/offscreen_gui.h"
#include "cli/threshold_options.h"
#include "cli/window_options.h"
#include "export/temporary_name.h"
#include "report/report_file.h"

namespace mirelta::cli {
namespace {

std::vector<QCommandLineOption> ReportOptions() {
    std::vector<QCommandLineOption> options{
        {{"o", "output"}, "The PDF file (required).", "OUT.pdf"},
        {"language", "The captions' language: en (default) or fr.", "en|fr"},
        {"title", "The report's title (default: a title in the report's language).", "TEXT"},
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
    ReportRequest request;
};

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
    "FILE -o OUT.pdf [--language en|fr] [--title TEXT]\n"
    "[--pass-margin DB] [--fail-margin DB] [--s2-allowance DB] [--lo MHz] [--threshold DB]",
    "a PDF report: a summary of every snapshot with its verdict, then one page each",
    "Writes one PDF: page 1 holds the file name and date, the counts and a summary\n"
    "table of every snapshot (kind, label, frequency, polarisation, symbol rate,\n"
    "mode, power, C/N, MER, BER, deciding margin and verdict), ending with the\n"
    "total of each verdict, and the carriers found on each sweep; then one page per\n"
    "snapshot with its replica, its values and its verdict, and for a spectrum a\n"
    "page with its measured plot and carrier table (--lo and --threshold as for\n"
    "analyse). The file is written atomically; progress goes to stderr on a\n"
    "terminal. --language fr gives French captions and verdict words.",
    ReportOptions,
    RunReport};

}  // namespace mirelta::cli
