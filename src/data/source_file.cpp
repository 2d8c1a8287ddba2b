#include "data/source_file.h"

#include <cstdio>
#include <system_error>

namespace mirelta {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ReadResult ReadSourceFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {ReadError::CannotOpen, nullptr};
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return {ReadError::CannotOpen, nullptr};
    }
    // Unbuffered, so the stream never reads ahead past the image.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    auto image = std::make_unique<SourceImage>();
    if (std::fread(image->bytes.data(), image->bytes.size(), 1, file.get()) != 1) {
        return {ReadError::ShortRead, nullptr};
    }
    return {ReadError::None, std::move(image)};
}

}  // namespace mirelta
