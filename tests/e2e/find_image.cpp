// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a memory image of locked Find snapshots under one satellite name for the end-to-end
// scripts, and a full-band sweep when carriers are named:
// find_image OUT.dat SATELLITE [MHZ/POL/KSPS...] [IF:MHZ...] with POL H or V; each IF:MHZ puts a
// carrier about 28 MHz wide, 20 dB over the floor, at that IF.
#include <cmath>
#include <cstdio>
#include <vector>

#include "fixtures/image_builder.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: find_image OUT.dat SATELLITE [MHZ/POL/KSPS...] [IF:MHZ...]\n");
        return 2;
    }
    mirelta::fixtures::ImageBuilder image;
    std::vector<unsigned> carriers;
    int finds = 0;
    for (int k = 3; k < argc; ++k) {
        unsigned mhz = 0;
        unsigned ksps = 0;
        char pol = 0;
        if (std::sscanf(argv[k], "IF:%u", &mhz) == 1) {
            carriers.push_back(mhz);
            continue;
        }
        if (std::sscanf(argv[k], "%u/%c/%u", &mhz, &pol, &ksps) != 3 ||
            (pol != 'H' && pol != 'V')) {
            std::fprintf(stderr, "find_image: %s is neither MHZ/POL/KSPS nor IF:MHZ\n", argv[k]);
            return 2;
        }
        image.addFind(finds++, {.label = std::to_string(mhz) + pol,
                                .satellite = argv[2],
                                .frequency = mhz,
                                .symbolRate = ksps,
                                .polarisation = static_cast<std::uint8_t>(pol == 'V'),
                                .lockFlag = 1});
    }
    if (!carriers.empty()) {
        // The full band: point k at 2150 - 8k MHz.
        mirelta::fixtures::SpectrumFields sweep{.label = "band",
                                                .leftFrequency = 2150,
                                                .cursorFrequency = 1550,
                                                .rightFrequency = 950,
                                                .cursorLevel = 40};
        for (std::size_t k = 0; k < sweep.levels.size(); ++k) {
            const double mhz = 2150.0 - 8.0 * static_cast<double>(k);
            bool on = false;
            for (unsigned centre : carriers) {
                on = on || std::abs(mhz - centre) <= 14;
            }
            sweep.levels[k] = static_cast<std::int8_t>(on ? 60 : 40);
        }
        image.addSpectrum(0, sweep);
    }
    image.writeTo(argv[1]);
    return 0;
}
