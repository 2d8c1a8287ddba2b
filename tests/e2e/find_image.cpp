// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a memory image of locked Find snapshots under one satellite name for the end-to-end
// scripts: find_image OUT.dat SATELLITE MHZ/POL/KSPS... with POL H or V.
#include <cstdio>

#include "fixtures/image_builder.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: find_image OUT.dat SATELLITE MHZ/POL/KSPS...\n");
        return 2;
    }
    mirelta::fixtures::ImageBuilder image;
    for (int k = 3; k < argc; ++k) {
        unsigned mhz = 0;
        unsigned ksps = 0;
        char pol = 0;
        if (std::sscanf(argv[k], "%u/%c/%u", &mhz, &pol, &ksps) != 3 ||
            (pol != 'H' && pol != 'V')) {
            std::fprintf(stderr, "find_image: %s is not MHZ/POL/KSPS\n", argv[k]);
            return 2;
        }
        image.addFind(k - 3, {.label = std::to_string(mhz) + pol,
                              .satellite = argv[2],
                              .frequency = mhz,
                              .symbolRate = ksps,
                              .polarisation = static_cast<std::uint8_t>(pol == 'V'),
                              .lockFlag = 1});
    }
    image.writeTo(argv[1]);
    return 0;
}
