// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordinary_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <string>

namespace mirelta::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr int kCannotSwitch = 125;

void HandOver(const std::filesystem::path& folder) {
    ::lchown(folder.c_str(), kNobody, kNobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        ::lchown(entry.path().c_str(), kNobody, kNobody);
    }
}

// The child sends the error kind as one byte, then the detail.
void SendResult(int fd, const SaveResult& result) {
    const std::string message = static_cast<char>(result.error) + result.detail;
    ssize_t sent = 0;
    while (sent < static_cast<ssize_t>(message.size())) {
        const ssize_t n =
            ::write(fd, message.data() + sent, message.size() - static_cast<std::size_t>(sent));
        if (n <= 0) {
            return;
        }
        sent += n;
    }
}

SaveResult ReceiveResult(int fd) {
    std::string message;
    std::array<char, 256> chunk{};
    for (ssize_t n; (n = ::read(fd, chunk.data(), chunk.size())) > 0;) {
        message.append(chunk.data(), static_cast<std::size_t>(n));
    }
    if (message.empty()) {
        return SaveFailure(SaveError::WriteFailed, "the child sent no result");
    }
    return {static_cast<SaveError>(message[0]), message.substr(1)};
}

}  // namespace

OrdinaryUserRun SaveAsOrdinaryUser(const std::filesystem::path& folder,
                                   const std::function<SaveResult()>& save) {
    if (::geteuid() != 0) {
        return {true, save()};
    }
    HandOver(folder);
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return {};
    }
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(kCannotSwitch);
        }
        SendResult(channel[1], save());
        ::_exit(0);
    }
    ::close(channel[1]);
    const SaveResult result = ReceiveResult(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == kCannotSwitch) {
        return {};
    }
    return {true, result};
}

}  // namespace mirelta::test
