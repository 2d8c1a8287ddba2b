// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include "data/error.h"
#include "data/source_image.h"

namespace mirelta {

// How long a source that is not a regular file (a pipe, a terminal, a device) may take to deliver
// the image before the read gives up.
inline constexpr std::chrono::milliseconds kDefaultReadDeadline{5000};

// `image` is set only when the read succeeded; `error` tells why it did not.
struct ReadResult {
    Error error;
    std::unique_ptr<SourceImage> image;
};

// Reads the first kSourceImageSize bytes of `path` into a fresh image; later bytes are never
// touched, so file size does not matter beyond the minimum. A regular file is read straight
// away; anything else must deliver the image within `deadline`. "-" names standard input.
ReadResult ReadSourceFile(const std::filesystem::path& path,
                          std::chrono::milliseconds deadline = kDefaultReadDeadline);

// True when `path` is, or links to, a regular file: reading it never waits on anyone.
bool IsRegularSource(const std::filesystem::path& path);

}  // namespace mirelta
