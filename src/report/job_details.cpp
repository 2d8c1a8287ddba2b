// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/job_details.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>

#include "export/atomic_file.h"

namespace mirelta {
namespace {

// Far more than any job's words; a bigger file is not one of ours.
constexpr qint64 kLargestJobFile = 1 << 20;
constexpr int kVersion = 1;

struct TextField {
    const char* key;
    QString JobDetails::*member;
};

constexpr std::array<TextField, 7> kTextFields{{
    {"customer", &JobDetails::customer},
    {"siteAddress", &JobDetails::siteAddress},
    {"installer", &JobDetails::installer},
    {"jobDate", &JobDetails::jobDate},
    {"dishSize", &JobDetails::dishSize},
    {"lnbModel", &JobDetails::lnbModel},
    {"notes", &JobDetails::notes},
}};

JobReadResult Failed(const QString& reason) {
    return {std::nullopt, reason};
}

bool InRange(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

JobReadResult FromJson(const QJsonObject& json) {
    JobDetails details;
    for (const TextField& field : kTextFields) {
        const QJsonValue value = json.value(QLatin1String(field.key));
        if (value.isUndefined() || value.isNull()) {
            continue;
        }
        if (!value.isString()) {
            return Failed(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(field.key)));
        }
        details.*field.member = value.toString();
    }
    const QJsonValue gps = json.value(QLatin1String("gps"));
    if (!gps.isUndefined() && !gps.isNull()) {
        const QJsonValue latitude = gps[QLatin1String("latitude")];
        const QJsonValue longitude = gps[QLatin1String("longitude")];
        if (!gps.isObject() || !latitude.isDouble() || !longitude.isDouble() ||
            !InRange(latitude.toDouble(), 90) || !InRange(longitude.toDouble(), 180)) {
            return Failed(QStringLiteral(
                "\"gps\" must hold a latitude (-90 to 90) and a longitude (-180 to 180)"));
        }
        details.gps = GpsPosition{latitude.toDouble(), longitude.toDouble()};
    }
    return {details, {}};
}

}  // namespace

std::filesystem::path JobFilePath(const std::filesystem::path& meterFile) {
    std::filesystem::path job = meterFile;
    job.replace_extension(".job.json");
    return job;
}

JobReadResult ReadJobFile(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.exists()) {
        return {};
    }
    if (!in.open(QIODevice::ReadOnly)) {
        return Failed(in.errorString());
    }
    // A FIFO or device named like a job file would never end: only plain files are read.
    if (in.isSequential() || in.size() > kLargestJobFile) {
        return Failed(QStringLiteral("not a job file (not a plain file of at most 1 MiB)"));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        return Failed(QStringLiteral("not valid JSON at byte %1: %2")
                          .arg(error.offset)
                          .arg(error.errorString()));
    }
    if (!document.isObject()) {
        return Failed(QStringLiteral("not a JSON object"));
    }
    return FromJson(document.object());
}

QByteArray JobJson(const JobDetails& details) {
    QJsonObject json;
    json.insert(QStringLiteral("version"), kVersion);
    for (const TextField& field : kTextFields) {
        json.insert(QLatin1String(field.key), details.*field.member);
    }
    if (details.gps) {
        json.insert(QStringLiteral("gps"),
                    QJsonObject{{QStringLiteral("latitude"), details.gps->latitude},
                                {QStringLiteral("longitude"), details.gps->longitude}});
    }
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

SaveResult WriteJobFile(const std::filesystem::path& file, const JobDetails& details) {
    const QByteArray json = JobJson(details);
    return WriteFileAtomically(file,
                               std::span(reinterpret_cast<const std::uint8_t*>(json.constData()),
                                         static_cast<std::size_t>(json.size())));
}

}  // namespace mirelta
