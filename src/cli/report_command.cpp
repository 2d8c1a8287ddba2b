// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli report FILE -o OUT.pdf: the installer's PDF report of every snapshot.
#include <unistd.h>

#include <cstdio>

#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/headless_window.h"
#include "cli/threshold_options.h"
#include "cli/window_options.h"
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
    return options;
}

struct ReportOptionValues {
    std::string output;
    ReportRequest request;
};

Error Parse(const QCommandLineParser& parser, ReportOptionValues& out) {
    SourceOptions source;
    if (Error error = ParseSourceOptions(parser, source); !error.ok()) {
        return error;
    }
    if (Error error = ParseThresholds(parser, out.request.thresholds); !error.ok()) {
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
    out.output = Value(parser, "output");
    out.request.sourcePath = source.path;
    out.request.readDeadline = source.deadline;
    return {};
}

int RunReport(const QCommandLineParser& parser) {
    ReportOptionValues options;
    if (const Error error = Parse(parser, options); !error.ok()) {
        return Fail(kReportCommand, error);
    }
    const OffscreenGui gui;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto progress = [terminal](int done, int total) {
        if (terminal) {
            std::fprintf(stderr, "\rreport: snapshot %d of %d", done, total);
        }
    };
    const Error error = WriteReportFile(options.request, options.output, progress);
    if (terminal) {
        std::fputc('\n', stderr);
    }
    const bool wasReading =
        error.kind == ErrorKind::CannotOpen || error.kind == ErrorKind::ShortRead;
    return Fail(kReportCommand, error, wasReading ? options.request.sourcePath : options.output);
}

}  // namespace

const Command kReportCommand{
    "report",
    "FILE -o OUT.pdf [--language en|fr] [--title TEXT]\n"
    "[--pass-margin DB] [--fail-margin DB]",
    "a PDF report: a summary of every snapshot with its verdict, then one page each",
    "Writes one PDF: page 1 holds the file name and date, the counts and a summary\n"
    "table of every snapshot (kind, label, frequency, polarisation, symbol rate,\n"
    "mode, power, C/N, MER, BER, margin and verdict), ending with the total of each\n"
    "verdict; then one page per snapshot with its replica, its values and its\n"
    "verdict. The file is written atomically; progress goes to stderr on a terminal.",
    ReportOptions,
    RunReport};

}  // namespace mirelta::cli
