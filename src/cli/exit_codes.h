// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mirelta::cli {

// Documented in the --help text; scripts rely on them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCannotOpen = 3;
inline constexpr int kExitShortRead = 4;
inline constexpr int kExitWriteFailed = 5;

}  // namespace mirelta::cli
