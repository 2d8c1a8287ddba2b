// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep's frequency axis from the saved edges and span code.
#include "analysis/sweep.h"

#include <gtest/gtest.h>

#include <limits>

#include "saved_record.h"

namespace mirelta::analysis {
namespace {

struct Axis {
    const char* name;
    std::uint8_t spanCode;
    std::int32_t left;
    std::int32_t right;
    int freqStep;
    std::size_t points;
    double lastMHz;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

constexpr Axis kAxes[] = {
    {"full band, one point more than saved", 0, 2150, 950, 8, 150, 958},
    {"200 MHz", 1, 1500, 1302, 2, 100, 1302},
    {"400 MHz", 2, 1500, 1460, 4, 11, 1460},
    {"unknown code keeps the full band's step", 9, 1000, 900, 8, 13, 904},
    {"right edge above the left", 0, 1000, 1001, 8, 0, 0},
    {"one point", 1, 1200, 1200, 2, 1, 1200},
    {"edges 2^32 apart", 2, kMax, kMin, 4, 150, kMax - 149.0 * 4},
};

TEST(SweepOf, PointKLiesAtTheLeftEdgeLessKSteps) {
    for (const Axis& axis : kAxes) {
        SCOPED_TRACE(axis.name);
        fixtures::SpectrumFields fields{
            .leftFrequency = axis.left, .rightFrequency = axis.right, .spanCode = axis.spanCode};
        for (std::size_t k = 0; k < fields.levels.size(); ++k) {
            fields.levels[k] = static_cast<std::int8_t>(k % 256 - 128);
        }
        const Sweep sweep = SweepOf(SavedRecord(fields));
        EXPECT_EQ(sweep.freqStep, axis.freqStep);
        ASSERT_EQ(sweep.points.size(), axis.points);
        if (axis.points == 0) {
            continue;
        }
        EXPECT_EQ(sweep.points.front().frequencyMHz, axis.left);
        EXPECT_EQ(sweep.points.back().frequencyMHz, axis.lastMHz);
        for (std::size_t k = 0; k < sweep.points.size(); ++k) {
            ASSERT_EQ(sweep.points[k].level, fields.levels[k]) << "point " << k;
        }
    }
}

}  // namespace
}  // namespace mirelta::analysis
