// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "logbook/logbook.h"

namespace mirelta::cli {

// How `log` writes its rows; each file's rows are written as soon as it has been read.
enum class LogForm { Text, Csv, Json };

// What comes before the first file: the table's or the CSV's header, JSON's opening bracket.
std::string LogHead(LogForm form);
// One file's rows; `first` tells whether a file came before, for JSON's commas.
std::string LogBody(LogForm form, const logbook::LogFile& file, bool first);
// What closes the output.
std::string LogTail(LogForm form);

}  // namespace mirelta::cli
