// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/usage.h"

#include <QStringList>

namespace mirelta::cli {
namespace {

constexpr int kOptionColumn = 24;

std::string OptionNames(const QCommandLineOption& option) {
    std::string names;
    for (const QString& name : option.names()) {
        names += (names.empty() ? "" : ", ") + std::string(name.size() == 1 ? "-" : "--") +
                 name.toStdString();
    }
    if (!option.valueName().isEmpty()) {
        names += ' ' + option.valueName().toStdString();
    }
    return names;
}

void PrintOption(std::ostream& out, const std::string& names, const std::string& description) {
    out << "  " << names;
    const std::size_t width = names.size() + 2;
    out << (width < kOptionColumn ? std::string(kOptionColumn - width, ' ')
                                  : "\n" + std::string(kOptionColumn, ' '));
    for (const char c : description) {
        out << c;
        if (c == '\n') {
            out << std::string(kOptionColumn, ' ');
        }
    }
    out << '\n';
}

}  // namespace

std::string UsageLine(const Command& command, std::size_t indent) {
    const std::string head = std::string("mirelta-cli ") + command.name + ' ';
    std::string line = head;
    for (const char c : std::string(command.arguments)) {
        line += c;
        if (c == '\n') {
            line += std::string(indent + head.size(), ' ');
        }
    }
    return line;
}

void PrintUsage(std::ostream& out) {
    out << "usage: mirelta-cli COMMAND [OPTIONS] FILE, with COMMAND one of\n";
    for (const Command* command : AllCommands()) {
        out << "       " << UsageLine(*command, 7) << '\n';
    }
    out << "       mirelta-cli help [COMMAND] | --help | --version\n";
}

void PrintHelp(std::ostream& out) {
    out << "mirelta-cli: lists, dumps and renders the saved measurements of a satellite "
           "meter's .dat file.\n\n";
    PrintUsage(out);
    out << "\nCommands:\n";
    for (const Command* command : AllCommands()) {
        PrintOption(out, command->name, command->summary);
    }
    out << R"(
`mirelta-cli help COMMAND` or `mirelta-cli COMMAND --help` tells the options of
one command. FILE may be - to read the image from standard input. An option's
value follows it as --option VALUE or --option=VALUE; -- ends the options.
A file whose signature is not the meter's is read as an empty memory: it lists
nothing, with a warning on stderr.

Exit codes:
  0  success
  2  bad usage (the problem and the usage go to stderr)
  3  the file cannot be opened ("Open false! FILE: reason" on stderr)
  4  the file is shorter than 42652 bytes or did not arrive in time
     ("Read file error! FILE: reason" on stderr)
  5  a picture could not be written (the file and the reason on stderr)
`log` goes on past a file it cannot read and then exits with the first such
file's code, 3 or 4; 5 when its output could not be written.
)";
}

void PrintCommandHelp(std::ostream& out, const Command& command) {
    out << "usage: " << UsageLine(command, 7) << "\n\n" << command.description << "\n\nOptions:\n";
    for (const QCommandLineOption& option : command.options()) {
        PrintOption(out, OptionNames(option), option.description().toStdString());
    }
    PrintOption(out, "-h, --help", "Shows this help.");
}

void PrintUsageError(std::ostream& out, const Command* command, const std::string& detail) {
    if (command == nullptr) {
        out << "mirelta-cli: " << detail << '\n';
        PrintUsage(out);
        out << "Try 'mirelta-cli --help' for more.\n";
        return;
    }
    out << "mirelta-cli " << command->name << ": " << detail
        << "\nusage: " << UsageLine(*command, 7) << "\nTry 'mirelta-cli help " << command->name
        << "' for more.\n";
}

}  // namespace mirelta::cli
