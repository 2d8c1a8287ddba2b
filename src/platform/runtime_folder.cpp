// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace mirelta {
namespace {

// Ours alone: a real folder (not a link), owned by us, mode 0700, as the toolkit demands.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

}  // namespace

RuntimeFolder::RuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    std::error_code ec;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    if (ec) {
        return;
    }
    // One folder per user, kept between runs, so that a killed run leaves nothing behind;
    // should someone else hold that name, a fresh one of our own for this run.
    std::string folder = (temp / ("mirelta-runtime-" + std::to_string(::getuid()))).string();
    const bool usable =
        (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) && IsPrivateFolder(folder);
    if (!usable) {
        folder = (temp / "mirelta-runtime-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) {
            return;
        }
        made_ = folder;
    }
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
}

RuntimeFolder::~RuntimeFolder() {
    if (!made_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(made_, ignored);
    }
}

}  // namespace mirelta
