// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace mirelta {

// One spectrum sweep, kept as its 204 saved bytes.
class SpectrumRecord {
  public:
    static constexpr std::size_t kSize = 204;
    static constexpr int kLevels = 150;
    std::array<std::uint8_t, kSize> bytes{};

    std::string listLabel() const;  // 28-byte field
    std::int32_t leftFrequency() const;
    std::int32_t cursorFrequency() const;
    std::int32_t rightFrequency() const;
    std::int32_t cursorLevel() const;
    std::uint8_t spanCode() const;
    std::uint8_t system() const;
    std::uint8_t modcod() const;
    std::uint8_t codeRate() const;
    std::int8_t level(int i) const;  // sweep point i in 0..kLevels-1, dBuV; 0 means no level

    void setCursorFrequency(std::int32_t value);
    void setCursorLevel(std::int32_t value);
};

}  // namespace mirelta
