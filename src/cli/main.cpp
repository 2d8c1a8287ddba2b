// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli: parses the command line of the chosen command and runs it.
#include <QStringList>
#include <iostream>

#include "cli/argument_bytes.h"
#include "cli/exit_codes.h"
#include "cli/signal_handling.h"
#include "cli/usage.h"
#include "mirelta_version.h"
#include "platform/parse_problem.h"

namespace {

using namespace mirelta::cli;

int RunCommand(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    for (const QCommandLineOption& option : command.options()) {
        parser.addOption(option);
    }
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    if (!parser.parse(QStringList{command.name} + args)) {
        PrintUsageError(std::cerr, &command, mirelta::ParseProblem(parser));
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        PrintCommandHelp(std::cout, command);
        return kExitOk;
    }
    return command.run(parser);
}

int Help(const QStringList& args) {
    if (args.isEmpty()) {
        PrintHelp(std::cout);
        return kExitOk;
    }
    const Command* command = args.size() == 1 ? FindCommand(args[0].toStdString()) : nullptr;
    if (command == nullptr) {
        PrintUsageError(std::cerr, nullptr,
                        args.size() == 1 ? "unknown command '" + args[0].toStdString() + "'"
                                         : "help takes at most one COMMAND");
        return kExitUsage;
    }
    PrintCommandHelp(std::cout, *command);
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    SetUpSignals();
    QStringList args;
    for (int k = 1; k < argc; ++k) {
        args << ArgumentText(argv[k]);
    }
    if (args.isEmpty()) {
        PrintUsageError(std::cerr, nullptr, "a COMMAND is missing");
        return kExitUsage;
    }
    const QString first = args.takeFirst();
    if (first == "--help" || first == "-h") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << "mirelta-cli " << mirelta::kVersion << '\n';
        return kExitOk;
    }
    if (first == "help") {
        return Help(args);
    }
    if (const Command* command = FindCommand(first.toStdString())) {
        return RunCommand(*command, args);
    }
    PrintUsageError(std::cerr, nullptr, "unknown command '" + first.toStdString() + "'");
    return kExitUsage;
}
