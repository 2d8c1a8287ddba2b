// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/error.h"
#include "data/source_image.h"
#include "screens/screen_mode.h"

namespace mirelta {

// One memory file ("-" for standard input) and the folder its pictures go to. A file already
// read (the window's) brings its image, which is then not read again. A folder whose last part
// was named after the file is never reached through a link found there.
struct ExportSource {
    std::string path;
    std::filesystem::path folder;
    std::shared_ptr<const SourceImage> image = {};
    bool namedFolder = false;
};

struct ExportSettings {
    std::string format = "png";  // bmp, or any format the image plugins write
    int depth = 32;
    UiLanguage language = UiLanguage::English;
    std::chrono::milliseconds readDeadline{};
};

// Something the batch has to tell, in input order: a source that is not a meter's memory (it is
// still exported, with nothing listed), or a failure and the file it concerns.
struct ExportNote {
    enum class Kind { NotMeterImage, ReadFailed, FolderFailed, WriteFailed, SyncFailed };
    Kind kind;
    std::string path;
    std::string reason;                     // why, in words for the user
    ErrorKind readError = ErrorKind::None;  // which read failed, for ReadFailed
};

struct ExportOutcome {
    int listed = 0;  // pictures the readable files' lists hold
    int written = 0;
    bool cancelled = false;
    std::vector<ExportNote> notes;
};

// Called after each picture, from the worker threads one at a time, with the pictures done and
// those listed by the files read so far; false cancels the pictures not yet begun.
using ExportProgress = std::function<bool(int done, int total)>;

// Writes one picture per listed record of every source, spread over `threads` threads, each
// file written under a temporary name and renamed (WriteBatchFile), and the whole batch flushed to
// the disk once at the end. Every source is read once, when a thread takes it, so memory does not
// grow with the number of sources. Names and bytes are the same whatever the thread count. A file
// that cannot be read gets no folder. Temporary files a killed run left in a folder are removed.
ExportOutcome ExportPictures(const std::vector<ExportSource>& sources,
                             const ExportSettings& settings, int threads,
                             const ExportProgress& progress = {});

}  // namespace mirelta
