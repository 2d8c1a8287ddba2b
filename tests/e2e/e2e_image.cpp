// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the memory image that the end-to-end scripts open: a few records of each kind, among
// them a Find record with LNB type 1 and a spectrum with span code 7, whose screens differ
// between a fresh layout and a record pick.
#include <cmath>
#include <iostream>

#include "fixtures/image_builder.h"

using namespace mirelta::fixtures;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: e2e_image OUT.dat\n";
        return 2;
    }
    ImageBuilder image;
    image.addFind(0, FindFields{.label = "Astra 11747H", .satellite = "Astra 19.2E", .lnbType = 0,
                                .loLow = 9750, .loHigh = 10600, .frequency = 11747,
                                .symbolRate = 27500, .quality = 85, .strength = 78,
                                .lockFlag = 1})
        .addFind(1, FindFields{.label = "Hotbird 12111V", .satellite = "Hotbird 13E", .lnbType = 1,
                               .loLow = 9750, .frequency = 12111, .symbolRate = 27500,
                               .polarisation = 1, .quality = 40, .strength = 55})
        .addFind(4, FindFields{.label = "Thor 11216V", .lnbType = 0, .strength = 30});

    for (int slot : {0, 2, 5}) {
        ConstellationFields c{.label = "QPSK " + std::to_string(slot), .frequency = 11747,
                              .symbolRate = 27500, .mer = 120, .quality = 70, .strength = 60};
        for (int k = 0; k < 1000; ++k) {
            // Four clouds around the QPSK points, spread by the slot.
            const int spread = 4 + slot * 3;
            const int i = (k % 2 ? 40 : -40) + (k * 7919 % (2 * spread + 1)) - spread;
            const int q = (k / 2 % 2 ? 40 : -40) + (k * 104729 % (2 * spread + 1)) - spread;
            c.i[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(i < 0 ? i + 128 : i);
            c.q[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(q < 0 ? q + 128 : q);
        }
        image.addConstellation(slot, c);
    }

    const struct {
        int slot;
        const char* label;
        std::int32_t left, right;
        std::uint8_t spanCode;
    } sweeps[] = {{0, "Full band", 2150, 950, 0}, {3, "Narrow span 7", 1250, 1150, 7},
                  {6, "Hotbird 200MHz", 1300, 1100, 1}};
    for (const auto& s : sweeps) {
        SpectrumFields sweep{.label = s.label, .leftFrequency = s.left,
                             .cursorFrequency = (s.left + s.right) / 2, .rightFrequency = s.right,
                             .cursorLevel = 50, .spanCode = s.spanCode};
        for (int k = 0; k < 150; ++k) {
            const double hump = 25.0 * std::exp(-std::pow((k - 40 - s.slot * 10) / 12.0, 2));
            sweep.levels[static_cast<std::size_t>(k)] =
                static_cast<std::int8_t>(38 + k % 5 + static_cast<int>(hump));
        }
        image.addSpectrum(s.slot, sweep);
    }
    image.writeTo(argv[1]);
    return 0;
}
