// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <memory>

#include "logbook/file_digest.h"
#include "logbook/log_entries.h"
#include "logbook/logbook.h"

namespace mirelta::logbook {
namespace {

QDateTime ModificationTime(const std::filesystem::path& path) {
    struct stat info {};
    if (path == "-" || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    const qint64 ms =
        static_cast<qint64>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

}  // namespace

LogFile ReadLogFile(const std::filesystem::path& path, const LogSettings& settings) {
    LogFile file;
    file.path = path;
    file.modified = ModificationTime(path);
    ReadResult read = ReadSourceFile(path, settings.readDeadline);
    if (!read.error.ok()) {
        file.failure = std::move(read.error);
        return file;
    }
    if (IsRegularSource(path)) {
        Digest digest = FileSha256(path);
        if (!digest.error.ok()) {
            file.failure = std::move(digest.error);
            return file;
        }
        file.sha256 = std::move(digest.sha256);
    } else {
        file.sha256 = Sha256Of(read.image->bytes);
    }
    file.notMeterFile = read.image->signature() != kValidSignature;
    if (!file.notMeterFile) {
        const auto lists = std::make_unique<RecordLists>(Load(*read.image));
        file.entries = EntriesOf(*lists, settings);
        if (settings.tables != nullptr) {
            file.satellite =
                analysis::IdentifySatellite(*lists, *settings.tables, settings.analysis);
        }
    }
    return file;
}

}  // namespace mirelta::logbook
