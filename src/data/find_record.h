// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace mirelta {

// One Satellite Finding snapshot, kept as its 96 saved bytes.
class FindRecord {
  public:
    static constexpr std::size_t kSize = 96;
    std::array<std::uint8_t, kSize> bytes{};

    std::string listLabel() const;      // 25-byte field
    std::string satelliteName() const;  // 33-byte field
    std::uint8_t lnbType() const;
    std::uint16_t loLow() const;
    std::uint16_t loHigh() const;
    std::uint32_t frequency() const;
    std::uint32_t symbolRate() const;
    std::uint8_t polarisation() const;
    std::uint8_t quality() const;
    std::uint8_t strength() const;
    std::uint16_t powerLevel() const;  // tenths of dBuV
    std::uint32_t cn() const;          // hundredths of a dB
    std::uint32_t berMantissa() const;
    std::uint8_t berExponent() const;
    std::uint8_t system() const;
    std::uint8_t modcod() const;
    std::uint8_t codeRate() const;
    std::uint8_t lockFlag() const;
};

}  // namespace mirelta
