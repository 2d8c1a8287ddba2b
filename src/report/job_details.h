// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "export/save_result.h"

namespace mirelta {

struct GpsPosition {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    bool operator==(const GpsPosition&) const = default;
};

// Whose installation a meter file measured: kept beside it as NAME.job.json.
struct JobDetails {
    QString customer;
    QString siteAddress;
    QString installer;
    QString jobDate;  // as the installer writes it; the window offers yyyy-MM-dd
    QString dishSize;
    QString lnbModel;
    std::optional<GpsPosition> gps;
    QString notes;
    bool operator==(const JobDetails&) const = default;
    bool empty() const { return *this == JobDetails{}; }
};

// NAME.job.json for NAME.dat (any extension, or none, is replaced).
std::filesystem::path JobFilePath(const std::filesystem::path& meterFile);

struct JobReadResult {
    std::optional<JobDetails> details;  // none: no file there, or a failure
    QString failure;                    // why the file that is there could not be used
};

// A missing file is no failure: the job simply has no details yet.
JobReadResult ReadJobFile(const std::filesystem::path& file);

// The details as the file's JSON text, then written atomically over `file`.
QByteArray JobJson(const JobDetails& details);
SaveResult WriteJobFile(const std::filesystem::path& file, const JobDetails& details);

}  // namespace mirelta
