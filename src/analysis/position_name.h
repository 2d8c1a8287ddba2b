// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace mirelta::analysis {

// The name of an orbital position after the satellites of its lists: what their names share, cut
// where a word or number ends ("Astra" for Astra, Astra-1KR and Astra-1L); satellites of different
// families are named each by their own share and joined with '/' ("Intelsat/Thor").
std::string PositionName(const std::vector<std::string>& satellites);

}  // namespace mirelta::analysis
