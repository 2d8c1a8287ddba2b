// SPDX-License-Identifier: GPL-3.0-or-later
// Noise floor and carriers found on sweeps drawn point by point, full band: point k at
// 2150 - 8 k MHz.
#include "analysis/carrier_detection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "saved_record.h"

namespace mirelta::analysis {
namespace {

constexpr int kFloor = 40;

double Mhz(double point) {
    return 2150 - 8 * point;
}

struct Block {
    int first;
    int last;
    int level;
};

fixtures::SpectrumFields Drawn(std::vector<Block> blocks, int floor = kFloor) {
    fixtures::SpectrumFields fields{.leftFrequency = 2150, .rightFrequency = 950};
    fields.levels.fill(static_cast<std::int8_t>(floor));
    for (const Block& block : blocks) {
        for (int k = block.first; k <= block.last; ++k) {
            fields.levels[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(block.level);
        }
    }
    return fields;
}

SweepAnalysis Detect(const fixtures::SpectrumFields& fields) {
    return DetectCarriers(SweepOf(SavedRecord(fields)));
}

struct Expected {
    double upperPoint;  // where the -3 dB edges lie, in points
    double lowerPoint;
    bool atSweepEdge = false;
};

struct Shape {
    const char* name;
    fixtures::SpectrumFields fields;
    std::optional<double> floor;
    std::vector<Expected> carriers;
};

// A carrier's edge between its point and a floor point lies halfway in carrier power.
std::vector<Shape> Shapes() {
    // Eleven carriers over 88 % of the band, one floor point between each two.
    std::vector<Block> dense;
    std::vector<Expected> denseCarriers;
    for (int first = 1; first + 11 < 150; first += 13) {
        dense.push_back({first, first + 11, 55});
        denseCarriers.push_back({first - 0.5, first + 11.5});
    }
    return {
        {"flat sweep", Drawn({}), kFloor, {}},
        {"no levels at all", Drawn({}, 0), std::nullopt, {}},
        {"one carrier", Drawn({{60, 69, 55}}), kFloor, {{59.5, 69.5}}},
        {"at the sweep's edges",
         Drawn({{0, 7, 55}, {140, 149, 60}}),
         kFloor,
         {{0, 7.5, true}, {139.5, 149, true}}},
        {"neighbours parted by a dip",
         Drawn({{40, 49, 60}, {50, 50, 45}, {51, 60, 58}}),
         kFloor,
         {{39.5, 49.51}, {50.49, 60.5}}},
        {"a noise dip on the top", Drawn({{60, 69, 55}, {64, 64, 51}}), kFloor, {{59.5, 69.5}}},
        {"points without a level",
         Drawn({{60, 69, 55}, {63, 63, 0}, {20, 25, 0}, {120, 121, 0}}),
         kFloor,
         {{59.5, 69.5}}},
        {"one point over the floor", Drawn({{70, 70, 70}}), kFloor, {}},
        {"a band full of carriers", Drawn(dense), kFloor, denseCarriers},
    };
}

TEST(DetectCarriers, FindsEachCarrierBetweenItsHalfPowerEdges) {
    for (const Shape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        const SweepAnalysis found = Detect(shape.fields);
        ASSERT_EQ(found.floor.has_value(), shape.floor.has_value());
        if (shape.floor) {
            EXPECT_NEAR(*found.floor, *shape.floor, 0.01);
        }
        ASSERT_EQ(found.carriers.size(), shape.carriers.size());
        for (std::size_t i = 0; i < shape.carriers.size(); ++i) {
            const Expected& expected = shape.carriers[i];
            const Carrier& carrier = found.carriers[i];
            EXPECT_NEAR(carrier.centreMHz, Mhz((expected.upperPoint + expected.lowerPoint) / 2),
                        0.1);
            EXPECT_NEAR(carrier.bandwidthMHz, 8 * (expected.lowerPoint - expected.upperPoint), 0.2);
            EXPECT_EQ(carrier.symbolRateMsps, carrier.bandwidthMHz);
            EXPECT_EQ(carrier.atSweepEdge, expected.atSweepEdge);
        }
    }
}

TEST(DetectCarriers, MeasuresLevelsAgainstTheFloor) {
    const Carrier carrier =
        Detect(Drawn({{60, 69, 55}, {62, 62, 56}, {66, 66, 54}})).carriers.at(0);
    EXPECT_EQ(carrier.peak, 56);
    // The top's power less the floor's: 10 log10(10^1.5 - 1).
    EXPECT_NEAR(carrier.cn, 14.86, 0.01);
    // The ten points' power.
    EXPECT_NEAR(carrier.channelPower,
                55 + 10 * std::log10(8 + std::pow(10, 0.1) + std::pow(10, -0.1)), 0.01);
    EXPECT_EQ(carrier.firstPoint, 60);
    EXPECT_EQ(carrier.lastPoint, 69);
}

TEST(DetectCarriers, AnySavedBytesGiveFiniteFigures) {
    std::uint32_t state = 1;
    for (int sweep = 0; sweep < 2000; ++sweep) {
        fixtures::SpectrumFields fields{.leftFrequency = 2150, .rightFrequency = 950};
        for (std::int8_t& level : fields.levels) {
            state = state * 1664525 + 1013904223;
            // Half the sweeps are raw bytes, half 8 dB steps over a floor, which hold carriers.
            level = static_cast<std::int8_t>(sweep % 2 ? state >> 24 : 40 + (state >> 29) * 8);
        }
        const SweepAnalysis found = Detect(fields);
        for (const Carrier& c : found.carriers) {
            for (const double value :
                 {c.centreMHz, c.bandwidthMHz, c.symbolRateMsps, c.peak, c.cn, c.channelPower}) {
                ASSERT_TRUE(std::isfinite(value)) << "sweep " << sweep;
            }
            ASSERT_GE(c.bandwidthMHz, 0);
            ASSERT_LE(c.firstPoint, c.lastPoint);
        }
    }
}

}  // namespace
}  // namespace mirelta::analysis
