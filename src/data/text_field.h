// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace mirelta {

// The 8-bit text of a fixed-size field: up to its first NUL, and never beyond the field even
// when the meter left it unterminated.
std::string ReadTextField(std::span<const std::uint8_t> bytes, std::size_t offset,
                          std::size_t size);

}  // namespace mirelta
