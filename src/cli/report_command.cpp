// mirelta-cli report FILE -o OUT.pdf: the installer's PDF report of every snapshot.
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/headless_window.h"
#include "cli/threshold_options.h"
#include "cli/usage.h"
#include "report/report_file.h"

namespace mirelta::cli {
namespace {

struct ReportArguments {
    std::string path;
    std::string output;
    ReportRequest request;
};

std::string ParseReportArguments(const Arguments& given, ReportArguments& out) {
    Arguments args = given;
    ReportArguments parsed;
    if (std::string error = TakeThresholdOptions(args, parsed.request.thresholds); !error.empty()) {
        return error;
    }
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const bool takesValue =
            arg == "-o" || arg == "--output" || arg == "--language" || arg == "--title";
        if (takesValue && k + 1 == args.size()) {
            return arg + " needs a value";
        }
        if (arg == "-o" || arg == "--output") {
            parsed.output = args[++k];
        } else if (arg == "--language") {
            const std::string& language = args[++k];
            if (language != "en" && language != "fr") {
                return "--language must be en or fr, not '" + language + "'";
            }
            parsed.request.language =
                language == "fr" ? ReportLanguage::French : ReportLanguage::English;
        } else if (arg == "--title") {
            parsed.request.title = QString::fromStdString(args[++k]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (!parsed.path.empty()) {
            return "only one FILE may be given";
        } else {
            parsed.path = arg;
        }
    }
    if (parsed.path.empty()) {
        return "FILE is missing";
    }
    if (parsed.output.empty()) {
        return "-o OUT.pdf is missing";
    }
    parsed.request.sourcePath = parsed.path;
    out = parsed;
    return {};
}

int RunReport(const Arguments& args) {
    ReportArguments parsed;
    if (const std::string error = ParseReportArguments(args, parsed); !error.empty()) {
        return UsageError(kReportCommand, error);
    }
    const OffscreenGui gui;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto progress = [terminal](int done, int total) {
        if (terminal) {
            std::fprintf(stderr, "\rreport: snapshot %d of %d", done, total);
        }
    };
    const ReportPdf pdf = MakeReportPdf(parsed.request, progress);
    if (terminal) {
        std::fputc('\n', stderr);
    }
    if (!pdf.ok) {
        const bool cannotOpen = pdf.message.starts_with("Open false!");
        std::cerr << (cannotOpen ? "Open false! " : "Read file error! ") << parsed.path << '\n';
        return cannotOpen ? kExitCannotOpen : kExitShortRead;
    }
    const SaveResult saved = WriteFileAtomically(
        parsed.output, std::span(reinterpret_cast<const std::uint8_t*>(pdf.bytes.constData()),
                                 static_cast<std::size_t>(pdf.bytes.size())));
    if (!saved.ok) {
        std::cerr << "mirelta-cli: cannot write " << parsed.output << ": " << saved.reason << '\n';
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace

const Command kReportCommand{"report",
                             "mirelta-cli report FILE -o OUT.pdf [--language en|fr] "
                             "[--title TEXT]\n"
                             "                   [--pass-margin DB] [--fail-margin DB]",
                             RunReport};

}  // namespace mirelta::cli
