// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "logbook/logbook.h"

namespace mirelta::cli {

// The columns of `log`, in order; their names head the CSV and key the JSON.
enum class LogColumn {
    File,
    Sha256,
    Modified,
    Kind,
    Index,
    Label,
    Satellite,
    LikelyPosition,
    RfMHz,
    IfMHz,
    Polarisation,
    SymbolRate,
    Mode,
    Power,
    Cn,
    Mer,
    Ber,
    RequiredCn,
    Margin,
    Verdict,
    Carriers,
    Failure,
};

inline constexpr std::array<const char*, 22> kLogColumnNames{
    "file",      "sha256",         "modified", "kind",   "index",        "label",
    "satellite", "likelyPosition", "rfMHz",    "ifMHz",  "polarisation", "symbolRate",
    "mode",      "power",          "cn",       "mer",    "ber",          "requiredCn",
    "margin",    "verdict",        "carriers", "failure"};

// A value the snapshot does not have is Missing: "-" in the text table, empty in CSV, null in
// JSON. Numbers are bare in JSON.
struct LogCell {
    enum class Type { Missing, Text, Number };
    Type type = Type::Missing;
    std::string text;  // UTF-8
};

using LogRow = std::array<LogCell, kLogColumnNames.size()>;

inline const LogCell& CellOf(const LogRow& row, LogColumn column) {
    return row[static_cast<std::size_t>(column)];
}

// One row per snapshot of the file; a file that lists nothing, or could not be read, gets one
// row with its own columns and, for the latter, why.
std::vector<LogRow> LogRows(const logbook::LogFile& file);

// What the failure column says for a file that could not be read, or "" when it was.
std::string FailureText(const logbook::LogFile& file);

}  // namespace mirelta::cli
