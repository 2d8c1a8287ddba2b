// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

#include "export/save_result.h"

namespace mirelta::test {

// Runs a save with an ordinary user's rights: directly when the tests already run as one, and in
// a child process that has dropped to "nobody" when they run as root, so that permission checks
// are tested everywhere. The folder (and what is in it) is handed to that user first.
struct OrdinaryUserRun {
    bool started = false;  // false: root could not switch users here
    SaveResult result;
};
OrdinaryUserRun SaveAsOrdinaryUser(const std::filesystem::path& folder,
                                   const std::function<SaveResult()>& save);

}  // namespace mirelta::test
