// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian field access on byte buffers, assembled byte by byte so that neither the
// host's byte order nor the field's alignment matters.
namespace mirelta {

inline std::uint8_t ReadU8(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset];
}

inline std::int8_t ReadS8(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int8_t>(bytes[offset]);
}

inline std::uint16_t ReadU16Le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t ReadU32Le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline std::int32_t ReadS32Le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadU32Le(bytes, offset));
}

inline void WriteS8(std::span<std::uint8_t> bytes, std::size_t offset, std::int8_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
}

inline void WriteU32Le(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void WriteS32Le(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
    WriteU32Le(bytes, offset, static_cast<std::uint32_t>(value));
}

}  // namespace mirelta
