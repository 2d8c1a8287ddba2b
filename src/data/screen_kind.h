// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mirelta {

// The meter's three screens, which are also the three kinds of snapshot (ScreenMode); the numbers
// are the meter's and the UI list's entries. None only before the first Open.
enum class ScreenKind : std::int32_t { Find = 0, Constellation = 1, Spectrum = 2, None = 3 };

inline constexpr ScreenKind kSnapshotKinds[] = {ScreenKind::Find, ScreenKind::Constellation,
                                                ScreenKind::Spectrum};

}  // namespace mirelta
