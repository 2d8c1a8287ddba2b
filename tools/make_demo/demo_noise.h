// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace mirelta::demo {

// Integer-only noise from a fixed-seed Mersenne Twister, whose output sequence is fixed by the
// C++ standard, so the demo file comes out the same with every compiler and library.
class DemoNoise {
  public:
    explicit DemoNoise(std::uint32_t seed) : engine_(seed) {}

    // Uniform in lo..hi.
    int uniform(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<std::uint32_t>(hi - lo + 1));
    }

    // Bell-shaped in -3*spread..3*spread: the sum of three uniform draws.
    int bell(int spread) {
        return uniform(-spread, spread) + uniform(-spread, spread) + uniform(-spread, spread);
    }

  private:
    std::mt19937 engine_;
};

}  // namespace mirelta::demo
