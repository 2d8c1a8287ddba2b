// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/file_digest.h"

#include <fcntl.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

namespace mirelta::logbook {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

// libcrypto rather than QCryptographicHash: hashing was most of the log's time, and libcrypto
// uses the processor's SHA instructions where there are some.
class Sha256 {
  public:
    Sha256() {
        // Only a failed allocation makes either fail.
        if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1) {
            throw std::bad_alloc();
        }
    }

    void add(const std::uint8_t* bytes, std::size_t size) {
        EVP_DigestUpdate(context_.get(), bytes, size);
    }

    // libcrypto keeps per-thread state that it frees as the thread ends; a pool's thread can
    // outlive the hash, and be ending still while the program exits, so it is freed now.
    ~Sha256() {
        context_.reset();
        OPENSSL_thread_stop();
    }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    QString hex() {
        std::array<unsigned char, EVP_MAX_MD_SIZE> sum{};
        unsigned int size = 0;
        EVP_DigestFinal_ex(context_.get(), sum.data(), &size);
        return QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(sum.data()), static_cast<qsizetype>(size))
                .toHex());
    }

  private:
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context_{EVP_MD_CTX_new(),
                                                                     &EVP_MD_CTX_free};
};

}  // namespace

Digest FileSha256(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {{}, {ErrorKind::CannotOpen, std::strerror(errno)}};
    }
    Sha256 hash;
    std::array<std::uint8_t, kPiece> piece{};
    for (;;) {
        const ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n > 0) {
            hash.add(piece.data(), static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return {{}, {ErrorKind::ShortRead, std::strerror(error)}};
        }
    }
    ::close(fd);
    return {hash.hex(), {}};
}

QString Sha256Of(std::span<const std::uint8_t> bytes) {
    Sha256 hash;
    hash.add(bytes.data(), bytes.size());
    return hash.hex();
}

}  // namespace mirelta::logbook
