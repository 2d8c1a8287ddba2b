#include "data/source_file.h"

#include <fcntl.h>
#include <unistd.h>

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
    // Opened without blocking, so a named pipe that nobody writes to reads as empty instead of
    // hanging the window; the reads themselves block as usual.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {ReadError::CannotOpen, nullptr};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::unique_ptr<std::FILE, FileCloser> file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
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
