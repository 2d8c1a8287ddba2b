// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/log_reader.h"

#include <QThreadPool>
#include <algorithm>
#include <deque>
#include <future>

namespace mirelta::logbook {
namespace {

constexpr int kAheadPerThread = 2;

}  // namespace

void ReadLogFiles(const std::vector<std::filesystem::path>& paths, const LogSettings& settings,
                  int threads, const TakeLogFile& take) {
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, threads));
    const std::size_t ahead = static_cast<std::size_t>(kAheadPerThread * pool.maxThreadCount());
    std::deque<std::future<LogFile>> reading;
    std::size_t next = 0;
    for (;;) {
        while (reading.size() < ahead && next < paths.size()) {
            auto promise = std::make_shared<std::promise<LogFile>>();
            reading.push_back(promise->get_future());
            pool.start([promise, &path = paths[next], &settings] {
                try {
                    promise->set_value(ReadLogFile(path, settings));
                } catch (...) {  // out of memory: told where the file is taken
                    promise->set_exception(std::current_exception());
                }
            });
            ++next;
        }
        if (reading.empty() || !take(reading.front().get())) {
            break;
        }
        reading.pop_front();
    }
    // Files already begun are finished before the pool goes; nobody takes them.
    pool.waitForDone();
}

}  // namespace mirelta::logbook
