// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/write_all.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace mirelta {
namespace {

// Waits until fd takes bytes again; returns 0, ETIMEDOUT or the errno of poll.
int WaitUntilWritable(int fd) {
    pollfd watch{fd, POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&watch, 1, static_cast<int>(kStalledWriteLimit.count()));
        if (ready > 0) {
            return 0;
        }
        if (ready == 0) {
            return ETIMEDOUT;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

}  // namespace

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                if (const int error = WaitUntilWritable(fd); error != 0) {
                    return error;
                }
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace mirelta
