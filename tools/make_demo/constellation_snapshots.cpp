// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <span>

#include "demo_noise.h"
#include "demo_records.h"

namespace mirelta::demo {
namespace {

struct Point {
    int i;
    int q;
};

constexpr std::array<Point, 4> kQpsk{{{30, 30}, {-30, 30}, {-30, -30}, {30, -30}}};
// Radius 40 at every 45 degrees, rounded.
constexpr std::array<Point, 8> kEightPsk{
    {{40, 0}, {28, 28}, {0, 40}, {-28, 28}, {-40, 0}, {-28, -28}, {0, -40}, {28, -28}}};

// The meter keeps 7-bit signed samples and stores a negative value v as v + 128.
std::int8_t Stored(int value) {
    const int clamped = std::clamp(value, -64, 63);
    return static_cast<std::int8_t>(clamped < 0 ? clamped + 128 : clamped);
}

void Scatter(fixtures::ConstellationFields& fields, std::span<const Point> symbols,
             DemoNoise& noise, int spread) {
    for (std::size_t k = 0; k < fields.i.size(); ++k) {
        const Point& symbol = symbols[static_cast<std::size_t>(
            noise.uniform(0, static_cast<int>(symbols.size()) - 1))];
        fields.i[k] = Stored(symbol.i + noise.bell(spread));
        fields.q[k] = Stored(symbol.q + noise.bell(spread));
    }
}

}  // namespace

void AddConstellationSnapshots(fixtures::ImageBuilder& builder) {
    DemoNoise noise(0x4D31);

    fixtures::ConstellationFields astra{.label = "Astra 11747H QPSK",
                                        .frequency = 11747,
                                        .symbolRate = 27500,
                                        .polarisation = 0,
                                        .system = 1,
                                        .codeRate = 3,
                                        .cn = 1234,
                                        .berMantissa = 123,
                                        .berExponent = 5,
                                        .mer = 1180,
                                        .quality = 85,
                                        .strength = 78};
    Scatter(astra, kQpsk, noise, 2);
    builder.addConstellation(0, astra);

    fixtures::ConstellationFields hotbird{.label = "Hotbird 12111V 8PSK",
                                          .frequency = 12111,
                                          .symbolRate = 27500,
                                          .polarisation = 1,
                                          .system = 3,
                                          .modcod = 14,
                                          .cn = 1075,
                                          .berMantissa = 250,
                                          .berExponent = 6,
                                          .mer = 1260,
                                          .quality = 72,
                                          .strength = 81};
    Scatter(hotbird, kEightPsk, noise, 1);
    builder.addConstellation(3, hotbird);

    fixtures::ConstellationFields thor{.label = "Thor 11216V noisy QPSK",
                                       .frequency = 11216,
                                       .symbolRate = 24500,
                                       .polarisation = 1,
                                       .system = 3,
                                       .modcod = 6,
                                       .cn = 640,
                                       .berMantissa = 870,
                                       .berExponent = 3,
                                       .mer = 640,
                                       .quality = 31,
                                       .strength = 55};
    Scatter(thor, kQpsk, noise, 4);
    builder.addConstellation(7, thor);
}

}  // namespace mirelta::demo
