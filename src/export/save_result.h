// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// What stopped a save. The kind says which step failed; the detail says why, in the system's
// words where the system gave the reason.
enum class SaveError {
    None,
    NoPicture,          // there was nothing to encode
    UnknownFormat,      // the file name's extension names no format that can be written
    EncodingFailed,     // the encoder refused the picture
    NoFileName,         // an empty path
    UnsupportedTarget,  // a folder, a block device: nothing a picture can be saved over
    OpenFailed,         // the target refused a plain open for writing ("Permission denied")
    CreateFailed,       // no new file could be made in the target's folder
    WriteFailed,        // writing, flushing or closing failed ("No space left on device")
    TimedOut,           // a FIFO or device took no bytes for too long
    ReplaceFailed,      // the finished file could not be renamed over the target
    SyncFailed,         // the new file is in place but its folder could not be flushed
};

struct SaveResult {
    SaveError error = SaveError::None;
    std::string detail;

    bool ok() const { return error == SaveError::None; }
    // The kind and the detail in one line for the user; empty on success.
    std::string reason() const;
};

SaveResult SaveFailure(SaveError error, std::string detail);
// The failure of a system call, with the system's text for errno `error` as the detail.
SaveResult SystemFailure(SaveError error, int systemError);

}  // namespace mirelta
