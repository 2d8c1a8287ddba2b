// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace mirelta {

// ".find-00-Astra.png.mirelta-042917.tmp": the hidden name a file is written under before it is
// renamed to `fileName`; `number` (0..999999) tells apart attempts at the same name.
std::string TemporaryNameFor(const std::string& fileName, unsigned number);

// Whether `name` has the shape TemporaryNameFor gives.
bool IsTemporaryName(std::string_view name);

// A run that was killed leaves its temporary files behind; the next one that writes into the
// folder removes those (regular files only) not touched for `age`, as no live save keeps one
// that long.
inline constexpr std::chrono::hours kStaleTemporaryAge{1};
void RemoveStaleTemporaries(const std::filesystem::path& folder,
                            std::chrono::seconds age = kStaleTemporaryAge);

}  // namespace mirelta
