// SPDX-License-Identifier: GPL-3.0-or-later
// Orbital positions as the lists' file names and the installers' satellite names write them.
#include "analysis/orbital_position.h"

#include <gtest/gtest.h>

#include "analysis/position_name.h"

namespace mirelta {
namespace {

using analysis::ClaimedPosition;

TEST(ClaimedPosition, ReadFromTheSatelliteNameAsTyped) {
    const struct {
        const char* name;
        std::optional<double> degrees;
    } cases[] = {
        {"Astra 19.2E", 19.2},
        {"Hotbird 13E", 13},
        {"Thor 1W", -1},
        {"0.8W", -0.8},
        {"astra 19.2e", 19.2},
        {"Astra 19,2E", 19.2},
        {"Astra 19.2\xC2\xB0"
         "E",
         19.2},                          // UTF-8 degree sign
        {"Astra 19.2\xA1\xE3 E", 19.2},  // GBK degree sign
        {"Hispasat 30 West", -30},
        {"Intelsat (45.0W)", -45},
        {"Eutelsat-5W", -5},
        {"Astra2 11954H", std::nullopt},  // a transponder, not a position
        {"Astra", std::nullopt},
        {"Hotbird13E", std::nullopt},       // glued to the name
        {"Astra 19.2Extra", std::nullopt},  // a word, not a hemisphere
        {"Sat 190E", std::nullopt},         // beyond half the orbit
        {"Sat 1234E", std::nullopt},
        {"Sat 19.123E", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClaimedPosition(c.name), c.degrees) << c.name;
    }
}

TEST(ListFileName, SatelliteThenPositionAfterTheLastSeparator) {
    const struct {
        const char* file;
        const char* satellite;  // nullptr: not a list's name
        double degrees;
    } cases[] = {
        {"Hotbird-13.0E", "Hotbird", 13},
        {"Astra-1KR-19.2E", "Astra-1KR", 19.2},
        {"Thor-5-0.8W", "Thor-5", -0.8},
        {"Eutelsat5_5.0W", "Eutelsat5", -5},
        {"EutelsatW2-16E", "EutelsatW2", 16},
        {"Hotbird-13.0", nullptr, 0},
        {"-13.0E", nullptr, 0},
        {"README", nullptr, 0},
        {"Hotbird-13.0E.bak", nullptr, 0},
        {"Hotbird-13,0E", nullptr, 0},
    };
    for (const auto& c : cases) {
        const auto split = analysis::SplitListFileName(c.file);
        ASSERT_EQ(split.has_value(), c.satellite != nullptr) << c.file;
        if (split) {
            EXPECT_EQ(split->satellite, c.satellite);
            EXPECT_DOUBLE_EQ(split->degrees, c.degrees) << c.file;
        }
    }
}

TEST(PositionText, WestIsNegativeAndTheArcWrapsAt180) {
    EXPECT_EQ(analysis::PositionText(13), "13.0E");
    EXPECT_EQ(analysis::PositionText(-0.8), "0.8W");
    EXPECT_DOUBLE_EQ(analysis::DegreesApart(-0.8, 1), 1.8);
    EXPECT_DOUBLE_EQ(analysis::DegreesApart(179, -179), 2);
}

TEST(PositionName, WhatTheSatellitesShareFamilyByFamily) {
    const struct {
        std::vector<std::string> satellites;
        const char* name;
    } cases[] = {
        {{"Astra", "Astra-1KR", "Astra-1L"}, "Astra"},
        {{"Hotbird-13B", "Hotbird-13C"}, "Hotbird-13"},
        {{"Nilesat-201", "Nilesat101+102"}, "Nilesat"},
        {{"Intelsat-10-02", "Intelsat-1002"}, "Intelsat"},  // not cut inside a number
        {{"Thor", "Intelsat-10-02", "Intelsat-1002"}, "Intelsat/Thor"},
        {{"Astra-2E"}, "Astra-2E"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(analysis::PositionName(c.satellites), c.name);
    }
}

}  // namespace
}  // namespace mirelta
