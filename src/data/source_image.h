// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace mirelta {

inline constexpr std::size_t kSourceImageSize = 42652;
inline constexpr std::uint32_t kValidSignature = 0xAABBCCDD;

// The meter's measurement memory, byte for byte as a .dat file holds it.
struct SourceImage {
    static constexpr int kConstellationSlots = 16;
    static constexpr int kSpectrumSlots = 32;
    static constexpr int kFindSlots = 32;

    std::array<std::uint8_t, kSourceImageSize> bytes{};

    std::uint32_t signature() const;
    void setSignature(std::uint32_t value);

    // Slot numbers outside the array's range are never used.
    bool constellationSlotUsed(int n) const;
    bool spectrumSlotUsed(int n) const;
    bool findSlotUsed(int n) const;
    void clearMasks();

    // Slot n must lie within its array; anything else throws std::out_of_range.
    std::span<const std::uint8_t> constellationSlot(int n) const;
    std::span<const std::uint8_t> spectrumSlot(int n) const;
    std::span<const std::uint8_t> findSlot(int n) const;
};

}  // namespace mirelta
