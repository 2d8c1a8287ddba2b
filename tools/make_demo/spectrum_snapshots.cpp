// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <span>

#include "demo_noise.h"
#include "demo_records.h"

namespace mirelta::demo {
namespace {

constexpr std::uint8_t kSpanFull = 0;
constexpr std::uint8_t kSpan200 = 1;
constexpr std::uint8_t kSpan400 = 2;
constexpr int kNoiseFloor = 45;

struct Transponder {
    int centre;  // MHz at the meter's input
    int width;   // MHz
    int level;   // dBuV at the flat top
};

// Levels across the sweep, point 0 at the left (higher) edge, a trapezoid per transponder
// over a noise floor.
void Sweep(fixtures::SpectrumFields& fields, std::span<const Transponder> transponders,
           DemoNoise& noise) {
    const int left = fields.leftFrequency;
    const int right = fields.rightFrequency;
    const int points = static_cast<int>(fields.levels.size());
    for (int p = 0; p < points; ++p) {
        const int frequency = left - (left - right) * p / points;
        int level = kNoiseFloor + noise.bell(1);
        for (const Transponder& t : transponders) {
            const int offset = std::abs(frequency - t.centre);
            const int shoulder = t.width / 2;
            const int skirt = std::max(4, t.width / 6);
            if (offset <= shoulder) {
                level = std::max(level, t.level + noise.bell(1) / 2);
            } else if (offset < shoulder + skirt) {
                const int fall = (t.level - kNoiseFloor) * (offset - shoulder) / skirt;
                level = std::max(level, t.level - fall + noise.bell(1) / 2);
            }
        }
        fields.levels[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(level);
    }
    const int cursorPoint =
        static_cast<int>((left - fields.cursorFrequency) * points / (left - right));
    fields.cursorLevel =
        fields.levels[static_cast<std::size_t>(std::clamp(cursorPoint, 0, points - 1))];
}

}  // namespace

void AddSpectrumSnapshots(fixtures::ImageBuilder& builder) {
    DemoNoise noise(0x5EC7);

    fixtures::SpectrumFields full{.label = "Astra 19.2E full band",
                                  .leftFrequency = 2150,
                                  .cursorFrequency = 1997,
                                  .rightFrequency = 950,
                                  .spanCode = kSpanFull};
    const Transponder astraBand[] = {{1010, 30, 58}, {1197, 36, 66}, {1363, 30, 61},
                                     {1480, 36, 70}, {1720, 26, 55}, {1997, 36, 68}};
    Sweep(full, astraBand, noise);
    builder.addSpectrum(0, full);

    fixtures::SpectrumFields narrow{.label = "Hotbird 200MHz",
                                    .leftFrequency = 1600,
                                    .cursorFrequency = 1511,
                                    .rightFrequency = 1400,
                                    .spanCode = kSpan200,
                                    .system = 3,
                                    .modcod = 14};
    const Transponder hotbirdBand[] = {{1434, 30, 63}, {1511, 33, 72}, {1568, 30, 60}};
    Sweep(narrow, hotbirdBand, noise);
    builder.addSpectrum(4, narrow);

    fixtures::SpectrumFields wide{.label = "Thor 400MHz",
                                  .leftFrequency = 1700,
                                  .cursorFrequency = 1466,
                                  .rightFrequency = 1300,
                                  .spanCode = kSpan400,
                                  .system = 3,
                                  .modcod = 6};
    const Transponder thorBand[] = {{1353, 30, 52}, {1466, 33, 64}, {1541, 33, 57}, {1640, 30, 49}};
    Sweep(wide, thorBand, noise);
    builder.addSpectrum(5, wide);

    fixtures::SpectrumFields quiet{.label = "Eutelsat 5W weak",
                                   .leftFrequency = 2150,
                                   .cursorFrequency = 1840,
                                   .rightFrequency = 950,
                                   .spanCode = kSpanFull,
                                   .system = 1,
                                   .codeRate = 5};
    const Transponder weakBand[] = {{1240, 36, 50}, {1840, 36, 53}};
    Sweep(quiet, weakBand, noise);
    builder.addSpectrum(11, quiet);

    fixtures::SpectrumFields c{.label = "Intelsat C-band 200MHz",
                               .leftFrequency = 1400,
                               .cursorFrequency = 1305,
                               .rightFrequency = 1200,
                               .spanCode = kSpan200,
                               .system = 1,
                               .codeRate = 7};
    const Transponder cBand[] = {{1233, 36, 69}, {1305, 36, 74}, {1377, 36, 65}};
    Sweep(c, cBand, noise);
    builder.addSpectrum(27, c);
}

}  // namespace mirelta::demo
