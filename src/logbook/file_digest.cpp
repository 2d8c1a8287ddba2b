// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/file_digest.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <array>
#include <cerrno>
#include <cstring>

namespace mirelta::logbook {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

QByteArrayView ViewOf(const std::uint8_t* bytes, std::size_t size) {
    return {reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)};
}

}  // namespace

Digest FileSha256(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {{}, {ErrorKind::CannotOpen, std::strerror(errno)}};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::array<std::uint8_t, kPiece> piece{};
    for (;;) {
        const ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n > 0) {
            hash.addData(ViewOf(piece.data(), static_cast<std::size_t>(n)));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return {{}, {ErrorKind::ShortRead, std::strerror(error)}};
        }
    }
    ::close(fd);
    return {QString::fromLatin1(hash.result().toHex()), {}};
}

QString Sha256Of(std::span<const std::uint8_t> bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(ViewOf(bytes.data(), bytes.size()), QCryptographicHash::Sha256)
            .toHex());
}

}  // namespace mirelta::logbook
