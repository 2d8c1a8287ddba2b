// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: mirelta-cli's option parsing. The input is the argument vector after the
// program's name, the arguments separated by NUL bytes as the system would hand them over. Each
// command's options go through the parser and the option readers that the command uses; nothing
// is run and no file is touched. Every argument must come back as its own bytes, and every reading
// must give valid values or a usage error.
#include <QCommandLineParser>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/argument_bytes.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/picture_output.h"
#include "cli/threshold_options.h"
#include "cli/usage.h"
#include "cli/window_options.h"
#include "export/image_encoding.h"
#include "fuzz_check.h"

namespace mirelta::fuzz {
namespace {

using namespace mirelta::cli;

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[k]);
        }
    }
    return arguments;
}

bool Takes(const Command& command, const char* option) {
    const std::vector<QCommandLineOption> options = command.options();
    return std::any_of(options.begin(), options.end(), [&](const QCommandLineOption& o) {
        return o.names().contains(QString::fromLatin1(option));
    });
}

// A reading either succeeds, and `valid` must then hold, or it is a usage error.
void Expect(const Failure& outcome, bool valid, const char* what) {
    Check(outcome.ok() ? valid : outcome.kind == FailureKind::Usage, what);
}

bool ValidDeadline(std::chrono::milliseconds deadline) {
    return deadline >= std::chrono::milliseconds(1) && deadline <= std::chrono::hours(24);
}

bool ValidPath(const std::string& path, const QStringList& given) {
    return !path.empty() && given.size() == 1 && path == ArgumentBytes(given[0]);
}

void ReadSource(const QCommandLineParser& parser) {
    SourceOptions source;
    const Failure outcome = ParseSourceOptions(parser, source);
    Expect(outcome,
           ValidPath(source.path, parser.positionalArguments()) && ValidDeadline(source.deadline),
           "FILE and --read-timeout");
}

void ReadWindow(const QCommandLineParser& parser) {
    WindowOptions window;
    const Failure outcome = ParseWindowOptions(parser, window);
    const bool valid =
        ValidPath(window.source.path, parser.positionalArguments()) &&
        ValidDeadline(window.source.deadline) && window.screen >= 0 && window.screen <= 2 &&
        (!window.language || *window.language == 0 || *window.language == 1) &&
        (!window.record || *window.record >= 0) &&
        (!window.refBottom ||
         (*window.refBottom >= 0 && *window.refBottom <= 70 && *window.refBottom % 5 == 0));
    Expect(outcome, valid, "describe's options");
}

void ReadThresholds(const QCommandLineParser& parser) {
    Thresholds thresholds;
    const Failure outcome = ParseThresholds(parser, thresholds);
    const auto sane = [](double db) { return std::isfinite(db) && std::fabs(db) <= 1000.0; };
    Expect(outcome,
           sane(thresholds.passMargin) && sane(thresholds.failMargin) &&
               thresholds.failMargin <= thresholds.passMargin && thresholds.s2Allowance >= 0 &&
               thresholds.s2Allowance <= 10.0,
           "margins");
}

void ReadDepth(const QCommandLineParser& parser) {
    PictureOptions picture;
    const Failure outcome = ParseDepth(parser, picture);
    Expect(outcome, picture.depth == 16 || picture.depth == 24 || picture.depth == 32, "--depth");
}

// -o or -d, then the picture format that may follow from it.
void ReadOutput(const QCommandLineParser& parser, const Command& command) {
    const char* name = Takes(command, "o") ? "o" : "d";
    std::string output;
    const Failure outcome = ParsePathOption(parser, name, output);
    Expect(outcome, ValidPath(output, parser.values(name)), "-o or -d");
    if (!Takes(command, "format")) {
        return;
    }
    std::string format;
    const Failure chosen = ChoosePictureFormat(parser, output, "png", format);
    static const std::vector<std::string> savable = SavableImageFormats();
    Expect(chosen, std::find(savable.begin(), savable.end(), format) != savable.end(), "format");
}

}  // namespace
}  // namespace mirelta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta::fuzz;
    const std::vector<std::string> arguments = Arguments(data, size);
    QStringList texts;
    for (const std::string& argument : arguments) {
        texts << ArgumentText(argument);
        Check(ArgumentBytes(texts.back()) == argument, "an argument keeps its bytes");
    }
    const Command* command = FindCommand(arguments[0]);
    if (command == nullptr) {
        return 0;  // main refuses it before any option is read
    }
    QCommandLineParser parser;
    for (const QCommandLineOption& option : command->options()) {
        parser.addOption(option);
    }
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    if (!parser.parse(texts)) {
        return 0;  // a usage error, worded by the parser
    }
    if (Takes(*command, "screen")) {
        ReadWindow(parser);
    } else if (Takes(*command, "d")) {
        std::chrono::milliseconds deadline{};
        const Failure outcome = ParseReadDeadline(parser, deadline);
        Expect(outcome, ValidDeadline(deadline), "--read-timeout");
    } else {
        ReadSource(parser);
    }
    if (Takes(*command, "pass-margin")) {
        ReadThresholds(parser);
    }
    if (Takes(*command, "depth")) {
        ReadDepth(parser);
    }
    if (Takes(*command, "o") || Takes(*command, "d")) {
        ReadOutput(parser, *command);
    }
    return 0;
}
