// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli analyse, and the sweep data that dump carries.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

// A full-band sweep (8 MHz a point from 2150 down) with one 60 dBuV carrier on points 124..127,
// 1158 to 1134 MHz, over a 45 dBuV floor; point 3 has no level. A universal LNB's 11747 MHz
// transponder lies at 11747 - 10600 = 1147 MHz IF.
std::string WriteSample(const TempDir& dir) {
    SpectrumFields sweep{.label = "Wide", .leftFrequency = 2150, .rightFrequency = 950};
    sweep.levels.fill(45);
    sweep.levels[3] = 0;
    for (int k = 124; k <= 127; ++k) {
        sweep.levels[static_cast<std::size_t>(k)] = 60;
    }
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = "Tp 11747H", .lnbType = 0, .frequency = 11747});
    builder.addFind(1, FindFields{.label = "Tp 12111V", .lnbType = 0, .frequency = 12111});
    builder.addSpectrum(0, sweep);
    const std::string path = (dir / "sample.dat").string();
    builder.writeTo(path);
    return path;
}

TEST(CliAnalyse, JsonGivesFloorCarrierRfAndTheMatchingSnapshot) {
    TempDir dir;
    const std::string path = WriteSample(dir);
    for (const bool withLo : {false, true}) {
        std::vector<std::string> args{"analyse", path, "--json"};
        if (withLo) {
            args.insert(args.end(), {"--lo", "10600"});
        }
        const QJsonArray spectra = RunCliJson(args)["spectrum"].toArray();
        ASSERT_EQ(spectra.size(), 1);
        const QJsonObject sweep = spectra[0].toObject();
        EXPECT_EQ(sweep["label"].toString(), "Wide");
        EXPECT_DOUBLE_EQ(sweep["floor"].toDouble(), 45);
        const QJsonArray carriers = sweep["carriers"].toArray();
        ASSERT_EQ(carriers.size(), 1);
        const QJsonObject carrier = carriers[0].toObject();
        EXPECT_NEAR(carrier["centreMHz"].toDouble(), 1146, 8);
        EXPECT_NEAR(carrier["bandwidthMHz"].toDouble(), 27, 8);
        EXPECT_DOUBLE_EQ(carrier["peak"].toDouble(), 60);
        EXPECT_NEAR(carrier["cn"].toDouble(), 15, 0.5);
        EXPECT_EQ(carrier["matches"].toArray(), QJsonArray{"Tp 11747H"});
        if (withLo) {
            EXPECT_NEAR(carrier["rfMHz"].toDouble(), 10600 + 1146, 8);
        } else {
            EXPECT_TRUE(carrier["rfMHz"].isNull());
        }
    }
}

TEST(CliAnalyse, BadOptionsAreUsageErrors) {
    TempDir dir;
    const std::string path = WriteSample(dir);
    const std::vector<std::vector<std::string>> cases = {
        {"--lo", "7000"},  // neither a C-band nor a Ku-band oscillator
        {"--lo", "ten"},       {"--threshold", "0"},
        {"--threshold", "-3"}, {"--record", "1"},  // the file lists one spectrum
        {"--json", "--csv"},
    };
    for (const auto& options : cases) {
        std::vector<std::string> args{"analyse", path};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << options[0];
        EXPECT_EQ(result.out, "") << options[0];
    }
}

TEST(CliDumpSweep, PointsFollowTheFrequencyStepAndMarkNoLevel) {
    TempDir dir;
    const std::string path = WriteSample(dir);
    const QJsonObject sweep =
        RunCliJson({"dump", path, "--json"})["spectrum"].toArray()[0].toObject();
    const QJsonArray points = sweep["points"].toArray();
    ASSERT_EQ(points.size(), 150);
    EXPECT_EQ(points[1].toArray(), (QJsonArray{2142, 45}));
    EXPECT_TRUE(points[3].toArray()[1].isNull());
    EXPECT_EQ(sweep["carriers"].toArray().size(), 1);

    const CliResult csv = RunCli({"dump", path, "--csv", "--kind", "spectrum"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\n0,0,Wide,4,")),
              "index,slot,label,point,frequencyMHz,level\n0,0,Wide,0,2150,45\n0,0,Wide,1,2142,45\n"
              "0,0,Wide,2,2134,45\n0,0,Wide,3,2126,");
}

}  // namespace
}  // namespace mirelta::testing
