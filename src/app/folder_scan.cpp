// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_scan.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <deque>
#include <mutex>
#include <optional>

namespace mirelta {
namespace {

// How long one turn of the event loop may spend giving out files.
constexpr qint64 kTurnMs = 5;

}  // namespace

struct FolderScan::Shared {
    std::atomic<bool> cancelled{false};
    std::mutex lock;
    FolderScan* owner = nullptr;           // none once the scan is gone
    std::deque<logbook::LogFile> waiting;  // read, not yet given out
    bool workerDone = false;

    // Runs `call` with the owner on its thread, if there still is an owner. Under the lock, so
    // the owner cannot go between the check and the post; a post it does not live to take goes
    // with it.
    template <typename Call>
    void post(Call call) {
        const std::lock_guard guard(lock);
        if (owner != nullptr) {
            FolderScan* to = owner;
            QMetaObject::invokeMethod(
                to, [to, call] { call(to); }, Qt::QueuedConnection);
        }
    }
    void wake() {
        post([](FolderScan* to) { to->giver_.start(); });
    }
};

FolderScan::FolderScan(std::filesystem::path folder, logbook::LogSettings settings, QObject* parent)
    : QObject(parent),
      folder_(std::move(folder)),
      settings_(std::move(settings)),
      shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    // A timer, not a posted call: the rest of the event loop gets its turn between batches.
    giver_.setSingleShot(true);
    giver_.setInterval(0);
    connect(&giver_, &QTimer::timeout, this, [this] { giveOut(); });
}

FolderScan::~FolderScan() {
    {
        const std::lock_guard guard(shared_->lock);
        shared_->owner = nullptr;
    }
    shared_->cancelled = true;
    if (worker_ != nullptr) {
        // Deleting a finished thread twice over is safe; a running one goes once it ends.
        connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
        if (worker_->isFinished()) {
            worker_->deleteLater();
        }
    }
}

void FolderScan::start() {
    worker_ = QThread::create([shared = shared_, folder = folder_, settings = settings_] {
        readAll(*shared, folder, settings);
    });
    worker_->start();
}

// On the worker thread.
void FolderScan::readAll(Shared& shared, const std::filesystem::path& folder,
                         const logbook::LogSettings& settings) {
    const auto files = logbook::MeterFilesUnder({folder});
    const int total = static_cast<int>(files.size());
    shared.post([total](FolderScan* to) { emit to->listed(total); });
    for (const auto& file : files) {
        if (shared.cancelled) {
            break;
        }
        logbook::LogFile read = logbook::ReadLogFile(file, settings);
        bool wasEmpty = false;
        {
            const std::lock_guard guard(shared.lock);
            wasEmpty = shared.waiting.empty();
            shared.waiting.push_back(std::move(read));
        }
        // Otherwise the giver is still at work and takes this file in turn.
        if (wasEmpty) {
            shared.wake();
        }
    }
    {
        const std::lock_guard guard(shared.lock);
        shared.workerDone = true;
    }
    shared.wake();
}

void FolderScan::cancel() {
    shared_->cancelled = true;
}

void FolderScan::giveOut() {
    QElapsedTimer turn;
    turn.start();
    for (;;) {
        std::optional<logbook::LogFile> next;
        bool workerDone = false;
        {
            const std::lock_guard guard(shared_->lock);
            workerDone = shared_->workerDone;
            if (!shared_->waiting.empty()) {
                next = std::move(shared_->waiting.front());
                shared_->waiting.pop_front();
            }
        }
        if (!next) {
            if (workerDone && !finishedSent_) {
                finishedSent_ = true;
                emit finished(shared_->cancelled);
            }
            return;
        }
        emit read(*next);
        if (turn.elapsed() >= kTurnMs) {
            giver_.start();
            return;
        }
    }
}

}  // namespace mirelta
