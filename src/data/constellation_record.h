// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace mirelta {

// One constellation snapshot, kept as its 2064 saved bytes.
class ConstellationRecord {
  public:
    static constexpr std::size_t kSize = 2064;
    static constexpr int kSamples = 1000;
    std::array<std::uint8_t, kSize> bytes{};

    std::string listLabel() const;  // 28-byte field
    std::uint32_t frequency() const;
    std::uint32_t symbolRate() const;
    std::uint8_t polarisation() const;
    std::uint8_t system() const;
    std::uint8_t modcod() const;
    std::uint8_t codeRate() const;
    std::uint32_t cn() const;  // hundredths of a dB
    std::uint32_t berMantissa() const;
    std::uint8_t berExponent() const;
    std::uint32_t mer() const;  // hundredths of a dB

    // Sample k in 0..kSamples-1, as the saved byte read signed.
    std::int8_t sampleI(int k) const;
    std::int8_t sampleQ(int k) const;
    void setSampleI(int k, std::int8_t value);
    void setSampleQ(int k, std::int8_t value);

    std::uint16_t quality() const;
    std::uint16_t strength() const;
};

// The meter stores 7-bit signed samples: a byte of 64..127 stands for that value minus 128.
inline std::int8_t DecodeSample(std::int8_t raw) {
    return raw >= 64 ? static_cast<std::int8_t>(raw - 128) : raw;
}

}  // namespace mirelta
