// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mirelta {

// The screen the replica shows (ScreenMode); the numbers are the meter's.
enum class ShownScreen : std::int32_t { Find = 0, Constellation = 1, Spectrum = 2, None = 3 };

// The labels' language; the numbers are the Language list's entries.
enum class UiLanguage : std::int32_t { English = 0, French = 1 };

// PaintLabel's font choice: the fonts' sizes in tenths of a point.
enum class LabelFont : std::int32_t { Small = 150, Large = 200 };

}  // namespace mirelta
