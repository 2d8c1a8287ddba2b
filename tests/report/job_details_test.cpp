// SPDX-License-Identifier: GPL-3.0-or-later
// The job file beside a meter file: its name, round trip and refusals.
#include "report/job_details.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace mirelta {
namespace {

std::filesystem::path In(const QTemporaryDir& dir, const char* name) {
    return std::filesystem::path(dir.path().toStdString()) / name;
}

TEST(JobFile, NamedAfterTheMeterFile) {
    EXPECT_EQ(JobFilePath("site/roof.dat"), "site/roof.job.json");
    EXPECT_EQ(JobFilePath("ROOF.DAT"), "ROOF.job.json");
    EXPECT_EQ(JobFilePath("memory"), "memory.job.json");
}

TEST(JobFile, WhatIsWrittenReadsBackAndAMissingFileIsNoFailure) {
    QTemporaryDir dir;
    JobDetails job;
    job.customer = QStringLiteral("Zoë Ørsted, \"Le Mas\"");
    job.siteAddress = QStringLiteral("12 rue des Lilas\n69003 Lyon");
    job.jobDate = QStringLiteral("2026-12-08");
    job.gps = GpsPosition{-33.8688, 151.2093};
    job.notes = QStringLiteral("亚太 7");
    ASSERT_TRUE(WriteJobFile(In(dir, "a.job.json"), job).ok());
    const JobReadResult read = ReadJobFile(In(dir, "a.job.json"));
    EXPECT_EQ(read.failure, QString());
    EXPECT_EQ(read.details, job);

    const JobReadResult missing = ReadJobFile(In(dir, "none.job.json"));
    EXPECT_FALSE(missing.details);
    EXPECT_TRUE(missing.failure.isEmpty());
    EXPECT_FALSE(WriteJobFile(In(dir, "no/such/folder.job.json"), job).ok());
}

TEST(JobFile, FilesThatAreNotJobsAreRefusedWithTheReason) {
    QTemporaryDir dir;
    const struct {
        const char* content;
        const char* reason;
    } cases[] = {
        {"{\"customer\": ", "not valid JSON"},
        {"[1, 2]", "not a JSON object"},
        {"{\"notes\": 7}", "\"notes\" is not a text"},
        {"{\"gps\": {\"latitude\": 91, \"longitude\": 0}}", "\"gps\""},
        {"{\"gps\": {\"latitude\": 45}}", "\"gps\""},
        {"{\"gps\": \"45N 4E\"}", "\"gps\""},
    };
    for (const auto& c : cases) {
        std::ofstream(In(dir, "bad.job.json")) << c.content;
        const JobReadResult read = ReadJobFile(In(dir, "bad.job.json"));
        EXPECT_FALSE(read.details) << c.content;
        EXPECT_TRUE(read.failure.contains(QLatin1String(c.reason))) << read.failure.toStdString();
    }
    std::ofstream(In(dir, "huge.job.json")) << std::string(2 << 20, ' ');
    EXPECT_FALSE(ReadJobFile(In(dir, "huge.job.json")).failure.isEmpty());
}

}  // namespace
}  // namespace mirelta
