// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>
#include <string>

#include "analysis/satellite_tables.h"
#include "cli/command.h"
#include "cli/failure.h"

namespace mirelta::cli {

// --tables DIR, the folder of DVBv5 satellite lists.
QCommandLineOption TablesOption();

// The folder --tables names, or the default one.
std::string TablesFolder(const QCommandLineParser& parser);

// The lists of `folder`, or why there are none to match against; lists left out are warned of
// on stderr under the command's name.
Failure ReadTables(const Command& command, const std::string& folder,
                   analysis::SatelliteTables& out);

// For the commands whose output the lists only add to: the lists of --tables DIR, warned of as
// ReadTables does, with a warning when DIR holds none; else those of the default folder, quietly,
// none when it is missing.
std::optional<analysis::SatelliteTables> OptionalTables(const Command& command,
                                                        const QCommandLineParser& parser);

}  // namespace mirelta::cli
