// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta::cli {

// `places` decimals with a point whatever the user's locale; "-0.0" reads "0.0".
std::string DecimalText(double number, int places);
// At most two decimals, trailing zeros dropped: what JSON and CSV carry.
std::string ShortDecimalText(double number);

}  // namespace mirelta::cli
