// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/text_field.h"

#include <algorithm>

namespace mirelta {

std::string ReadTextField(std::span<const std::uint8_t> bytes, std::size_t offset,
                          std::size_t size) {
    const auto field = bytes.subspan(offset, size);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

}  // namespace mirelta
