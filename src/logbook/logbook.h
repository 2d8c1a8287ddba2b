// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/satellite_identification.h"
#include "analysis/spectrum_analysis.h"
#include "assess/assessment.h"
#include "assess/snapshot_values.h"
#include "data/error.h"
#include "data/source_file.h"

namespace mirelta::logbook {

// One listed snapshot of a meter file, with what the logbook adds to its screen's values.
struct LogEntry {
    SnapshotValues values;  // kind, index, label, texts and assessment
    // A Find snapshot's satellite name, 8-bit bytes as saved like values.label (the caller
    // decodes both with DecodeLocalText); else empty.
    std::string satellite;
    std::optional<double> rfMHz;  // Find and Constellation
    std::optional<double> ifMHz;  // where the LNB is known (Find)
    std::optional<int> carriers;  // spectra: carriers found
};

// One meter file as the logbook reads it. A file that cannot be read has a failure and no
// entries; a file whose signature is not the meter's has `notMeterFile` set and no entries.
struct LogFile {
    std::filesystem::path path;
    QString sha256;      // hex, lower case, of the whole file; empty when unread
    QDateTime modified;  // UTC; invalid when unknown (standard input, a pipe)
    Error failure;       // why the file could not be read; ok() when it was
    bool notMeterFile = false;
    std::vector<LogEntry> entries;
    std::optional<analysis::Identification> satellite;  // with lists to match against
};

struct LogSettings {
    Thresholds thresholds;
    analysis::AnalysisSettings analysis;
    std::chrono::milliseconds readDeadline =
        kDefaultReadDeadline;  // for sources that are not files
    // Read once for the whole run and shared, read-only, by the reading threads; none: no
    // satellite is named.
    const analysis::SatelliteTables* tables = nullptr;
};

// Every file named, and every `.dat` file under each folder named (recursively), in a stable
// order: as given, and each folder's files sorted by path. Links to folders inside a folder are
// not followed. A folder that cannot be listed is itself in the list, so that reading it
// reports why.
std::vector<std::filesystem::path> MeterFilesUnder(const std::vector<std::filesystem::path>& paths);

// Reads, hashes and assesses one file; never throws. Only this file's image is held, and only
// while it is read.
LogFile ReadLogFile(const std::filesystem::path& path, const LogSettings& settings);

}  // namespace mirelta::logbook
