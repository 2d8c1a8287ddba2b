// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <set>
#include <utility>

#include "window_harness.h"

namespace mirelta::testing {

// Opens an image whose first constellation slot holds `fields` and switches to the screen.
inline void OpenConstellation(WindowHarness& w, const fixtures::ConstellationFields& fields) {
    fixtures::ImageBuilder image;
    image.addConstellation(0, fields);
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(1);
}

// Every one of the 1000 samples saved as the same pair of bytes.
inline fixtures::ConstellationFields AllSamples(std::int8_t iByte, std::int8_t qByte) {
    fixtures::ConstellationFields fields;
    fields.i.fill(iByte);
    fields.q.fill(qByte);
    return fields;
}

// The red pixels over the plot's reach (x 350 to 719, y 50 to 440) and a margin left of it.
inline std::set<std::pair<int, int>> RedPlotPixels(const WindowHarness& w) {
    std::set<std::pair<int, int>> points;
    for (int y = 50; y <= 440; ++y) {
        for (int x = 262; x < 720; ++x) {
            if (w.pixel(x, y) == qRgb(255, 0, 0)) {
                points.insert({x, y});
            }
        }
    }
    return points;
}

}  // namespace mirelta::testing
