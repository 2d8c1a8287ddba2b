// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "fixtures/image_builder.h"

namespace mirelta::bench {

// A raised-cosine carrier as it is put on a synthetic sweep.
struct TrueCarrier {
    double centreMHz = 0;
    double symbolRateMsps = 0;
    double rollOff = 0;
    double cn = 0;  // dB, the flat top's power density over the noise's
};

// The raised-cosine power density at `offset` MHz from the centre, 1 on the flat top.
double RaisedCosine(double offset, const TrueCarrier& carrier);

struct SyntheticSweep {
    fixtures::SpectrumFields fields;
    int freqStep = 8;
    double floor = 0;  // dBuV, the noise's mean level
    std::vector<TrueCarrier> carriers;
};

enum class Layout {
    NoiseOnly,
    Scattered,  // one to six carriers anywhere, some running off the sweep
    Packed,     // carriers side by side over most of the band, a step or two apart
};

// Sweeps as the meter would save them: noise of 1 dB rms over a floor of 30 to 45 dBuV, carriers
// of 3 to 25 dB C/N with roll-off 0.20, 0.25 or 0.35, each point's level rounded to whole dBuV.
// The same seed gives the same sweeps on any platform.
class SweepGenerator {
  public:
    explicit SweepGenerator(std::uint32_t seed) : random_(seed) {}

    SyntheticSweep next(Layout layout);

  private:
    double uniform(double low, double high);
    double gaussian();
    bool place(SyntheticSweep& sweep, const TrueCarrier& carrier, double guardMHz) const;
    void drawLevels(SyntheticSweep& sweep);

    std::mt19937 random_;
};

}  // namespace mirelta::bench
