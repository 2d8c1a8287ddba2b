// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/source_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

namespace mirelta {
namespace {

using Clock = std::chrono::steady_clock;

class FileCloser {
  public:
    explicit FileCloser(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~FileCloser() {
        if (owned_) {
            ::close(fd_);
        }
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

  private:
    int fd_;
    bool owned_;
};

ReadResult Failed(ErrorKind kind, std::string detail) {
    return {Error{kind, std::move(detail)}, nullptr};
}

std::string ShortDetail(std::size_t got) {
    return std::to_string(got) + (got == 1 ? " byte" : " bytes") + "; a meter file has " +
           std::to_string(kSourceImageSize);
}

std::string TimeoutDetail(std::chrono::milliseconds deadline, std::size_t got) {
    std::ostringstream text;
    text << "nothing more arrived within " << static_cast<double>(deadline.count()) / 1000.0
         << " s; " << ShortDetail(got);
    return text.str();
}

// Waits until `fd` has data or its writer is gone; false once `until` has passed.
bool WaitReadable(int fd, Clock::time_point until) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd poller{fd, POLLIN, 0};
        const int ready = ::poll(&poller, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return true;  // the read that follows reports the error
        }
    }
}

// Reads the image from `fd`. A regular file is read without a deadline; anything else gets
// `deadline`. `waitFirst` is for a descriptor in blocking mode that we must not change
// (standard input shares its mode with whoever started us).
ReadResult ReadImage(int fd, bool regular, bool waitFirst, std::chrono::milliseconds deadline) {
    auto image = std::make_unique<SourceImage>();
    auto* bytes = image->bytes.data();
    const std::size_t size = image->bytes.size();
    const Clock::time_point until = Clock::now() + deadline;
    std::size_t got = 0;
    while (got < size) {
        if (!regular && waitFirst && !WaitReadable(fd, until)) {
            return Failed(ErrorKind::ShortRead, TimeoutDetail(deadline, got));
        }
        const ssize_t n = ::read(fd, bytes + got, size - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n == 0) {
            return Failed(ErrorKind::ShortRead, ShortDetail(got));
        } else if (errno == EAGAIN && !WaitReadable(fd, until)) {
            return Failed(ErrorKind::ShortRead, TimeoutDetail(deadline, got));
        } else if (errno != EAGAIN && errno != EINTR) {
            return Failed(ErrorKind::ShortRead, std::strerror(errno));
        }
    }
    return {Error{}, std::move(image)};
}

}  // namespace

bool IsRegularSource(const std::filesystem::path& path) {
    std::error_code ec;
    return path != "-" && std::filesystem::is_regular_file(path, ec);
}

ReadResult ReadSourceFile(const std::filesystem::path& path, std::chrono::milliseconds deadline) {
    const bool standardInput = path == "-";
    // Opened without blocking, so a named pipe that nobody writes to never hangs the open.
    const int fd =
        standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Failed(ErrorKind::CannotOpen, std::strerror(errno));
    }
    const FileCloser closer(fd, !standardInput);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return Failed(ErrorKind::CannotOpen, std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return Failed(ErrorKind::CannotOpen, std::strerror(EISDIR));
    }
    const bool regular = S_ISREG(info.st_mode);
    if (regular && !standardInput) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return ReadImage(fd, regular, standardInput, deadline);
}

}  // namespace mirelta
