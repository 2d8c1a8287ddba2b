// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mirelta {

// The labels' language; the numbers are the Language list's entries.
enum class UiLanguage : std::int32_t { English = 0, French = 1 };

// PaintLabel's font choice: the fonts' sizes in tenths of a point.
enum class LabelFont : std::int32_t { Small = 150, Large = 200 };

}  // namespace mirelta
