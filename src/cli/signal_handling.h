// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mirelta::cli {

// Set up before anything else runs:
// - SIGPIPE is ignored, so that a reader going away is a write error (EPIPE) told like any other;
// - SIGINT and SIGTERM, unless the caller ignores them, remove the temporary files being written
//   and end the process with 128 + the signal's number, as a shell reports a signal's death.
void SetUpSignals();

}  // namespace mirelta::cli
