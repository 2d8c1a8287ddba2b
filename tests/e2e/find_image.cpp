// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a memory image of locked Find snapshots, all under one satellite name, for the
// end-to-end scripts: find_image OUT.dat SATELLITE MHZ/POL/KSPS... with POL H or V.
#include <iostream>
#include <sstream>

#include "fixtures/image_builder.h"

using namespace mirelta::fixtures;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: find_image OUT.dat SATELLITE MHZ/POL/KSPS...\n";
        return 2;
    }
    ImageBuilder image;
    for (int k = 3; k < argc; ++k) {
        std::istringstream fields(argv[k]);
        std::uint32_t mhz = 0;
        std::uint32_t ksps = 0;
        char slash1 = 0;
        char slash2 = 0;
        char pol = 0;
        if (!(fields >> mhz >> slash1 >> pol >> slash2 >> ksps) || slash1 != '/' || slash2 != '/' ||
            (pol != 'H' && pol != 'V')) {
            std::cerr << "find_image: " << argv[k] << " is not MHZ/POL/KSPS\n";
            return 2;
        }
        image.addFind(k - 3,
                      FindFields{.label = std::to_string(mhz) + pol,
                                 .satellite = argv[2],
                                 .frequency = mhz,
                                 .symbolRate = ksps,
                                 .polarisation = pol == 'V' ? std::uint8_t{1} : std::uint8_t{0},
                                 .lockFlag = 1});
    }
    image.writeTo(argv[1]);
    return 0;
}
