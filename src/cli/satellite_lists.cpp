// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/satellite_lists.h"

#include <filesystem>
#include <iostream>

#include "cli/command_line.h"
#include "cli/terminal_text.h"

namespace mirelta::cli {
namespace {

Failure ReadFolder(const std::string& folder, analysis::SatelliteTables& out) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return {FailureKind::CannotOpen,
                "no such folder of satellite lists (they come with the dtv-scan-tables package, "
                "or give --tables DIR)"};
    }
    out = analysis::ReadSatelliteTables(folder);
    if (out.positions.empty()) {
        return {FailureKind::CannotOpen,
                "holds no satellite list named with its orbital position, as Hotbird-13.0E"};
    }
    return {};
}

void Warn(const Command& command, const analysis::SatelliteTables& tables) {
    for (const std::string& warning : tables.warnings) {
        std::cerr << "mirelta-cli " << command.name << ": " << TerminalText(warning) << '\n';
    }
}

}  // namespace

QCommandLineOption TablesOption() {
    return {"tables",
            QStringLiteral("The folder of DVBv5 satellite lists (default %1).")
                .arg(QLatin1String(analysis::kDefaultTablesFolder)),
            "DIR"};
}

std::string TablesFolder(const QCommandLineParser& parser) {
    return parser.isSet("tables") ? Value(parser, "tables") : analysis::kDefaultTablesFolder;
}

Failure ReadTables(const Command& command, const std::string& folder,
                   analysis::SatelliteTables& out) {
    const Failure read = ReadFolder(folder, out);
    Warn(command, out);
    return read;
}

std::optional<analysis::SatelliteTables> OptionalTables(const Command& command,
                                                        const QCommandLineParser& parser) {
    analysis::SatelliteTables tables;
    const Failure read = ReadFolder(TablesFolder(parser), tables);
    // The installed lists' own faults are not the user's to mend: only named lists are warned of.
    if (!parser.isSet("tables")) {
        return read.ok() ? std::optional(std::move(tables)) : std::nullopt;
    }
    Warn(command, tables);
    if (!read.ok()) {
        std::cerr << "mirelta-cli " << command.name << ": " << TerminalText(TablesFolder(parser))
                  << ": " << read.detail << "; no satellite is named\n";
        return std::nullopt;
    }
    return tables;
}

}  // namespace mirelta::cli
