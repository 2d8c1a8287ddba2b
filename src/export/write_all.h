// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <span>

namespace mirelta {

// How long a FIFO, terminal or device may take no bytes before the save gives up.
inline constexpr std::chrono::milliseconds kStalledWriteLimit{5000};

// Writes every byte to fd. Returns 0 or the errno of the failure: a write that makes no progress
// counts as a full disk, and a non-blocking fd that takes nothing for kStalledWriteLimit gives
// ETIMEDOUT.
int WriteAll(int fd, std::span<const std::uint8_t> bytes);

}  // namespace mirelta
