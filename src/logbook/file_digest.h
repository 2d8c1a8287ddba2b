// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <span>

#include "data/error.h"

namespace mirelta::logbook {

struct Digest {
    QString sha256;  // lower-case hex
    Error error;     // why the file could not be read to its end
};

// The SHA-256 of everything the regular file at `path` holds, read in pieces so that a large
// file costs no memory.
Digest FileSha256(const std::filesystem::path& path);

// The SHA-256 of bytes already read, for a source that cannot be read twice.
QString Sha256Of(std::span<const std::uint8_t> bytes);

}  // namespace mirelta::logbook
