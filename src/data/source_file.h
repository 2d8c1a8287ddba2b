#pragma once

#include <filesystem>
#include <memory>

#include "data/source_image.h"

namespace mirelta {

enum class ReadError { None, CannotOpen, ShortRead };

// `image` is set only when error is None.
struct ReadResult {
    ReadError error = ReadError::None;
    std::unique_ptr<SourceImage> image;
};

// Reads the first kSourceImageSize bytes of `path` into a fresh image in one read; later bytes
// are never touched, so file size does not matter beyond the minimum. A directory cannot be
// opened as a source file.
ReadResult ReadSourceFile(const std::filesystem::path& path);

}  // namespace mirelta
