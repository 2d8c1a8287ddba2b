// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_images.h"

#include <cmath>
#include <string>

namespace mirelta::bench {
namespace {

fixtures::FindFields Find(int k) {
    fixtures::FindFields f;
    f.label = "Find " + std::to_string(k);
    f.satellite = "SAT " + std::to_string(k);
    f.lnbType = static_cast<std::uint8_t>(k % 3);
    f.loLow = 9750;
    f.loHigh = 10600;
    f.frequency = 10700u + 37u * static_cast<unsigned>(k);
    f.symbolRate = 27500;
    f.polarisation = static_cast<std::uint8_t>(k & 1);
    f.quality = static_cast<std::uint8_t>(20 + 2 * k);
    f.strength = static_cast<std::uint8_t>(90 - 2 * k);
    f.powerLevel = static_cast<std::uint16_t>(400 + k);
    f.cn = 90u + static_cast<unsigned>(k);
    f.berMantissa = 2;
    f.berExponent = 6;
    f.codeRate = static_cast<std::uint8_t>(1 + k % 5);
    f.lockFlag = static_cast<std::uint8_t>(k % 4 != 0);
    return f;
}

fixtures::ConstellationFields Constellation(int k) {
    fixtures::ConstellationFields c;
    c.label = "Cons " + std::to_string(k);
    c.frequency = 11000u + 50u * static_cast<unsigned>(k);
    c.symbolRate = 22000;
    c.modcod = static_cast<std::uint8_t>(k % 8);
    c.cn = 100;
    c.mer = 110;
    for (int s = 0; s < 1000; ++s) {
        c.i[s] = static_cast<std::int8_t>(std::lround(50 * std::cos(s * 1.57 + k)) + s % 9 - 4);
        c.q[s] = static_cast<std::int8_t>(std::lround(50 * std::sin(s * 1.57 + k)) + s % 7 - 3);
    }
    c.quality = static_cast<std::uint16_t>(3 * k + 40);
    c.strength = static_cast<std::uint16_t>(80 - k);
    return c;
}

fixtures::SpectrumFields Spectrum(int k) {
    fixtures::SpectrumFields s;
    s.label = "Sweep " + std::to_string(k);
    s.leftFrequency = 2150;
    s.cursorFrequency = 1550;
    s.rightFrequency = 950;
    s.cursorLevel = 60;
    s.spanCode = 0;
    for (int i = 0; i < 150; ++i) {
        const double hump = 18.0 * std::pow(std::sin(i * 0.21 + k), 2.0);
        s.levels[i] = static_cast<std::int8_t>(42 + hump + (i * 7) % 3);
    }
    return s;
}

}  // namespace

fixtures::ImageBuilder FullImage() {
    fixtures::ImageBuilder image;
    for (int k = 0; k < 32; ++k) {
        image.addFind(k, Find(k));
        image.addSpectrum(k, Spectrum(k));
    }
    for (int k = 0; k < 16; ++k) {
        image.addConstellation(k, Constellation(k));
    }
    return image;
}

fixtures::ImageBuilder SnapshotImage(int seed, int kinds) {
    fixtures::ImageBuilder image;
    for (int k = 0; k < kinds; ++k) {
        switch ((seed + k) % 3) {
            case 0:
                image.addFind(0, Find(seed % 32));
                break;
            case 1:
                image.addConstellation(0, Constellation(seed % 16));
                break;
            default:
                image.addSpectrum(0, Spectrum(seed));
        }
    }
    return image;
}

}  // namespace mirelta::bench
