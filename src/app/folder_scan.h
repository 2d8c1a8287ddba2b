// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "logbook/logbook.h"

class QThread;

namespace mirelta {

// Lists the meter files under a folder and reads them one at a time on a thread of its own.
// Each file read is handed to this object's thread, where `read` gives it out in batches of a
// few milliseconds, so the event loop keeps answering however fast the files come. Destroying
// the scan never waits: the thread ends after the file it is reading, on its own.
class FolderScan : public QObject {
    Q_OBJECT

  public:
    FolderScan(std::filesystem::path folder, logbook::LogSettings settings,
               QObject* parent = nullptr);
    ~FolderScan() override;
    FolderScan(const FolderScan&) = delete;
    FolderScan& operator=(const FolderScan&) = delete;

    void start();
    // Reads no further file; `finished` follows once the files read so far are given out.
    void cancel();

  signals:
    void listed(int total);
    void read(const mirelta::logbook::LogFile& file);
    void finished(bool cancelled);

  private:
    struct Shared;
    static void readAll(Shared& shared, const std::filesystem::path& folder,
                        const logbook::LogSettings& settings);
    void giveOut();

    std::filesystem::path folder_;
    logbook::LogSettings settings_;
    std::shared_ptr<Shared> shared_;  // with the thread, which may outlive this object
    QThread* worker_ = nullptr;
    QTimer giver_;
    bool finishedSent_ = false;
};

}  // namespace mirelta
