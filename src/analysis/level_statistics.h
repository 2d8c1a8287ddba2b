// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace mirelta::analysis {

// The median of whole-dB levels as of a continuous quantity: each level stands for the 1 dB
// interval around it and the median is interpolated inside its interval, so that it moves by
// fractions of a dB instead of jumping from level to level. `sorted` is ascending, not empty.
double GroupedMedian(const std::vector<int>& sorted);

double ToLinear(double db);
double ToDb(double linear);

}  // namespace mirelta::analysis
