// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/level_statistics.h"

#include <algorithm>
#include <cmath>

namespace mirelta::analysis {

double GroupedMedian(const std::vector<int>& sorted) {
    const double half = static_cast<double>(sorted.size()) / 2;
    const int level = sorted[sorted.size() / 2];
    const auto [low, high] = std::equal_range(sorted.begin(), sorted.end(), level);
    const auto below = static_cast<double>(low - sorted.begin());
    const auto same = static_cast<double>(high - low);
    return level - 0.5 + (half - below) / same;
}

double ToLinear(double db) {
    return std::pow(10.0, db / 10.0);
}

double ToDb(double linear) {
    return 10.0 * std::log10(linear);
}

}  // namespace mirelta::analysis
