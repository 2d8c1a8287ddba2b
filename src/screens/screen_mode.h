// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mirelta {

namespace screen_mode {
inline constexpr std::int32_t Find = 0;
inline constexpr std::int32_t Constellation = 1;
inline constexpr std::int32_t Spectrum = 2;
inline constexpr std::int32_t None = 3;
}  // namespace screen_mode

namespace language {
inline constexpr std::int32_t English = 0;
inline constexpr std::int32_t French = 1;
}  // namespace language

}  // namespace mirelta
