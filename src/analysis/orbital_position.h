// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Orbital positions are degrees east of Greenwich, west ones negative.
namespace mirelta::analysis {

// "13.0E", "0.8W": to the tenth of a degree, as the lists' file names write them.
std::string PositionText(double degrees);

// Along the orbit, 0 to 180.
double DegreesApart(double a, double b);

struct ListFileName {
    std::string satellite;  // what comes before the position: "Astra-1KR"
    double degrees = 0;
};

// A satellite list's file name, SATELLITE-POSITION with the position as 19.2E, 0.8W or 16E
// after the last '-' or '_'; none for any other name.
std::optional<ListFileName> SplitListFileName(std::string_view fileName);

// The first orbital position written in a satellite name as the installer typed it: "Astra 19.2E",
// "Hotbird 13E", "Thor 1W", "0.8W", in either case, with a decimal comma, a degree sign or a
// space before the hemisphere and "East"/"West" spelled out; none when the name holds none.
std::optional<double> ClaimedPosition(std::string_view satelliteName);

}  // namespace mirelta::analysis
