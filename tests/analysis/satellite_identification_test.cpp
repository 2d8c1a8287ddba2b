// SPDX-License-Identifier: GPL-3.0-or-later
// Which orbital position a file's transponders belong to, against lists made up here.
#include "analysis/satellite_identification.h"

#include <gtest/gtest.h>

#include <random>

#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using analysis::Identification;
using analysis::ListedTransponder;
using analysis::OrbitalPosition;
using analysis::Polarisation;

constexpr auto H = Polarisation::Horizontal;
constexpr auto V = Polarisation::Vertical;

OrbitalPosition Position(const char* name, double degrees,
                         std::vector<std::pair<double, Polarisation>> transponders) {
    OrbitalPosition position{name, degrees, {}, {}};
    for (const auto& [frequency, polarisation] : transponders) {
        position.transponders.push_back({frequency, polarisation, 27500, "DVBS", "", ""});
    }
    return position;
}

// Hotbird's ten lie apart from Astra's, but for one frequency they share on the other
// polarisation; Thor's lie in the low band.
analysis::SatelliteTables Tables() {
    return {{Position("Thor", -0.8, {{10747, H}, {10778, V}, {10809, H}, {10862, V}}),
             Position("Hotbird", 13,
                      {{10719, V},
                       {10758, V},
                       {10796, V},
                       {10834, V},
                       {10873, V},
                       {11013, H},
                       {11054, H},
                       {11096, H},
                       {11137, H},
                       {11179, H}}),
             Position("Astra", 19.2, {{11013, V}, {11347, V}, {11494, H}, {11914, H}})},
            {}};
}

fixtures::FindFields LockedFind(const std::string& satellite, std::uint32_t frequency,
                                Polarisation polarisation) {
    return {.label = "Tp",
            .satellite = satellite,
            .frequency = frequency,
            .symbolRate = 27500,
            .polarisation = static_cast<std::uint8_t>(polarisation == V ? 1 : 0),
            .lockFlag = 1};
}

TEST(SatelliteIdentification, TransponderOfOnePositionUnderAnothersNameWarn) {
    fixtures::ImageBuilder builder;
    const std::vector<std::pair<std::uint32_t, Polarisation>> hotbird = {
        {10719, V}, {10758, V}, {10796, V}, {10834, V}, {10873, V},
        {11013, H}, {11054, H}, {11096, H}, {11180, H}};  // 1 MHz off the list
    for (std::size_t i = 0; i < hotbird.size(); ++i) {
        builder.addFind(static_cast<int>(i),
                        LockedFind("Astra 19.2E", hotbird[i].first, hotbird[i].second));
    }
    // An unlocked Find of Astra's is not measured; a constellation of a Find's transponder is the
    // same transponder; one of another symbol rate is measured and unexplained.
    fixtures::FindFields unlocked = LockedFind("Astra 19.2E", 11494, H);
    unlocked.lockFlag = 0;
    builder.addFind(9, unlocked);
    builder.addConstellation(0, {.frequency = 10720, .symbolRate = 27500, .polarisation = 1});
    builder.addConstellation(1, {.frequency = 11137, .symbolRate = 22000, .polarisation = 0});
    SourceImage image = builder.image();
    const Identification found = analysis::IdentifySatellite(Load(image), Tables());

    EXPECT_EQ(found.measured, 10);
    ASSERT_TRUE(found.likely);
    EXPECT_EQ(analysis::PositionLabel(*found.likely), "Hotbird 13.0E");
    EXPECT_EQ(found.likely->matched, 9);
    ASSERT_EQ(found.candidates.size(), 1u);  // Astra's 11013 is vertical, Hotbird's horizontal
    EXPECT_EQ(found.claimedDegrees, 19.2);
    EXPECT_TRUE(found.mismatch);
    EXPECT_EQ(analysis::SummaryLine(found), "Satellite: likely Hotbird 13.0E (9 of 10)");
    EXPECT_EQ(analysis::MismatchWarning(found),
              "The transponders match Hotbird 13.0E (9 of 10), not Astra 19.2E as saved on the "
              "meter");
}

TEST(SatelliteIdentification, WestPositionNearTheClaimedOneIsNoMismatch) {
    fixtures::ImageBuilder builder;
    builder.addFind(0, LockedFind("Thor 1W", 10747, H))
        .addFind(1, LockedFind("Thor 1W", 10778, V))
        .addFind(2, LockedFind("Thor 1W", 10862, V));
    SourceImage image = builder.image();
    const Identification found = analysis::IdentifySatellite(Load(image), Tables());
    ASSERT_TRUE(found.likely);
    EXPECT_DOUBLE_EQ(found.likely->degrees, -0.8);
    EXPECT_EQ(found.claimedDegrees, -1);
    EXPECT_FALSE(found.mismatch);  // 0.2 degrees apart: the same slot
    EXPECT_EQ(analysis::SummaryLine(found), "Satellite: likely Thor 0.8W (3 of 3)");
    EXPECT_EQ(analysis::MismatchWarning(found), "");
}

// A file of many satellites names none of them for the whole file.
TEST(SatelliteIdentification, ClaimedByMoreThanHalfOfTheNamedFinds) {
    const struct {
        std::vector<std::string> names;
        std::optional<double> claimed;
    } cases[] = {
        {{"Astra 19.2E", "Hotbird", "astra 19,2E", "Hotbird 13E"}, 19.2},
        {{"Astra 19.2E", "Hotbird 13E"}, std::nullopt},
        {{"Astra 19.2E", "Hotbird 13E", "Thor 1W", "Astra 28.2E"}, std::nullopt},
    };
    for (const auto& c : cases) {
        fixtures::ImageBuilder builder;
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            builder.addFind(static_cast<int>(i), {.satellite = c.names[i]});
        }
        SourceImage image = builder.image();
        const auto claim = analysis::ClaimedByFinds(Load(image));
        ASSERT_EQ(claim.has_value(), c.claimed.has_value()) << c.names.size();
        if (claim) {
            EXPECT_EQ(claim->degrees, *c.claimed);
            EXPECT_EQ(claim->name, "Astra 19.2E");  // as the first of them writes it
        }
    }
}

TEST(SatelliteIdentification, RandomFrequenciesAreNotIdentified) {
    std::mt19937 random(25);
    std::uniform_int_distribution<std::uint32_t> frequency(10700, 12750);
    fixtures::ImageBuilder builder;
    for (int slot = 0; slot < 12; ++slot) {
        builder.addFind(slot, LockedFind("Hotbird 13E", frequency(random), slot % 2 ? V : H));
    }
    SourceImage image = builder.image();
    const Identification found = analysis::IdentifySatellite(Load(image), Tables());
    EXPECT_EQ(found.measured, 12);
    EXPECT_FALSE(found.likely);
    EXPECT_FALSE(found.mismatch);
    EXPECT_EQ(analysis::SummaryLine(found), "Satellite: not identified");
}

// The leader must explain 60 % of at least 3 and be clearly ahead of the best position more than
// half a degree away: by 2 transponders and a quarter of the measured ones.
TEST(SatelliteIdentification, LikelyOnlyWhenClearlyAhead) {
    const struct {
        int measured, leader, runnerUp;
        double runnerUpDegrees;
        bool likely;
    } cases[] = {
        {3, 3, 1, 5, true},   {3, 3, 2, 5, false},    {2, 2, 0, 5, false},
        {10, 6, 0, 5, true},  {10, 5, 0, 5, false},   {10, 9, 6, 5, true},
        {10, 9, 7, 5, false}, {10, 9, 9, 13.3, true},  // the same slot's other list does not
                                                       // compete
    };
    for (const auto& c : cases) {
        std::vector<analysis::MeasuredTransponder> measured;
        OrbitalPosition leader = Position("Leader", 13, {});
        OrbitalPosition runnerUp = Position("Runner-up", c.runnerUpDegrees, {});
        for (int i = 0; i < c.measured; ++i) {
            const double frequency = 10700 + 50 * i;
            measured.push_back({frequency, 3, H, std::nullopt});
            if (i < c.leader) {
                leader.transponders.push_back({frequency, H, {}, "", "", ""});
            }
            if (i < c.runnerUp) {
                runnerUp.transponders.push_back({frequency, H, {}, "", "", ""});
            }
        }
        const Identification found = analysis::Identify(measured, {{leader, runnerUp}, {}});
        EXPECT_EQ(found.likely.has_value(), c.likely)
            << c.measured << " " << c.leader << " " << c.runnerUp;
    }
}

// Spectra keep no polarisation: a carrier counts by its RF through the LO alone.
TEST(SatelliteIdentification, CarriersCountThroughTheLo) {
    fixtures::SpectrumFields sweep{.label = "Sweep", .leftFrequency = 2150, .rightFrequency = 950};
    sweep.levels.fill(45);
    for (std::size_t k = 124; k <= 127; ++k) {  // 1158 to 1134 MHz IF
        sweep.levels[k] = 60;
    }
    SourceImage image = fixtures::ImageBuilder().addSpectrum(0, sweep).image();
    const RecordLists lists = Load(image);
    analysis::SatelliteTables tables = Tables();
    // 10891 MHz: beyond a snapshot's 3 MHz of the carrier's 9750 + 1146, within the sweep's step.
    tables.positions.push_back(Position("Eutelsat", 7, {{10891, V}}));
    EXPECT_EQ(analysis::IdentifySatellite(lists, tables).measured, 0);
    const Identification found =
        analysis::IdentifySatellite(lists, tables, {.detection = {}, .loMHz = 9750});
    EXPECT_EQ(found.measured, 1);
    ASSERT_EQ(found.candidates.size(), 1u);
    EXPECT_EQ(found.candidates[0].name, "Eutelsat");
}

}  // namespace
}  // namespace mirelta
