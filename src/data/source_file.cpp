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

enum class Wait { Readable, WriterGone, TimedOut };

// Waits until `fd` has data or its writer is gone, at most until `until`.
Wait WaitReadable(int fd, Clock::time_point until) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return Wait::TimedOut;
        }
        pollfd poller{fd, POLLIN, 0};
        const int ready = ::poll(&poller, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return (poller.revents & POLLIN) != 0 || (poller.revents & POLLHUP) == 0
                       ? Wait::Readable  // data, or an error that the read reports
                       : Wait::WriterGone;
        }
        if (ready < 0 && errno != EINTR) {
            return Wait::Readable;  // the read that follows reports the error
        }
    }
}

// How the source is read: a regular file without a deadline, anything else within `deadline`.
struct SourceKind {
    bool regular = false;
    // A FIFO reads as ended until its first writer opens it, so only a writer that came and went
    // ends it.
    bool fifo = false;
    // A descriptor in blocking mode that we must not change (standard input shares its mode with
    // whoever started us) is polled before each read.
    bool waitFirst = false;
};

ReadResult ReadImage(int fd, SourceKind kind, std::chrono::milliseconds deadline) {
    auto image = std::make_unique<SourceImage>();
    auto* bytes = image->bytes.data();
    const std::size_t size = image->bytes.size();
    const Clock::time_point until = Clock::now() + deadline;
    std::size_t got = 0;
    while (got < size) {
        if (!kind.regular && kind.waitFirst && WaitReadable(fd, until) == Wait::TimedOut) {
            return Failed(ErrorKind::ShortRead, TimeoutDetail(deadline, got));
        }
        const ssize_t n = ::read(fd, bytes + got, size - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return Failed(ErrorKind::ShortRead, std::strerror(errno));
        }
        if (n == 0 && !kind.fifo) {
            return Failed(ErrorKind::ShortRead, ShortDetail(got));
        }
        switch (WaitReadable(fd, until)) {
            case Wait::TimedOut:
                return Failed(ErrorKind::ShortRead, TimeoutDetail(deadline, got));
            case Wait::WriterGone:
                return Failed(ErrorKind::ShortRead, ShortDetail(got));
            case Wait::Readable:
                break;
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
    const SourceKind kind{.regular = S_ISREG(info.st_mode),
                          .fifo = S_ISFIFO(info.st_mode),
                          .waitFirst = standardInput};
    if (kind.regular && !standardInput) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return ReadImage(fd, kind, deadline);
}

}  // namespace mirelta
