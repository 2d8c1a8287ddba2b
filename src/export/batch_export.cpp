// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/batch_export.h"

#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

#include "data/source_file.h"
#include "export/batch_sync.h"
#include "export/export_file_name.h"
#include "export/image_file.h"
#include "export/screen_capture.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"
#include "screens/headless_driver.h"

namespace mirelta {
namespace {

struct Kind {
    const char* name;
    int screen;
    int list;
};

constexpr std::array<Kind, 3> kKinds{{{"find", 0, ids::FindList},
                                      {"constellation", 1, ids::ConstellationList},
                                      {"spectrum", 2, ids::SpectrumList}}};

using RecordCounts = std::array<int, kKinds.size()>;

// A run of list entries of one screen.
struct Slice {
    std::size_t kind;
    int first;
    int end;
};

// What one thread does at a time: slices of one source, drawn by one window of its own. Every
// picture depends only on its screen and record, so any split draws the same pictures.
struct Job {
    std::size_t source;
    std::vector<Slice> slices;
};

struct JobResult {
    int written = 0;
    std::vector<ExportNote> failures;  // failed writes, told after the batch in input order
};

// Load may mend the copy it is given; the image itself stays as read.
RecordCounts CountRecords(SourceImage image) {
    const RecordLists lists = Load(image);
    return RecordCounts{lists.findCount, lists.constellationCount, lists.spectrumCount};
}

// With fewer files than threads each screen's list is cut into one slice per thread; otherwise
// a file is one job.
std::vector<Job> PlanJobs(const std::vector<std::optional<RecordCounts>>& counts, int threads) {
    std::vector<Job> jobs;
    const bool splitFiles = static_cast<int>(counts.size()) < threads;
    for (std::size_t source = 0; source < counts.size(); ++source) {
        if (!counts[source]) {
            continue;
        }
        Job whole{source, {}};
        for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
            const int count = (*counts[source])[kind];
            const int step = splitFiles ? std::max(1, (count + threads - 1) / threads) : count;
            for (int first = 0; first < count; first += step) {
                const Slice slice{kind, first, std::min(count, first + step)};
                if (splitFiles) {
                    jobs.push_back({source, {slice}});
                } else {
                    whole.slices.push_back(slice);
                }
            }
        }
        if (!whole.slices.empty()) {
            jobs.push_back(std::move(whole));
        }
    }
    return jobs;
}

// Counts the pictures and asks the caller whether to go on, one thread at a time.
class Progress {
  public:
    Progress(int total, const ExportProgress& report) : total_(total), report_(report) {}

    void step() {
        const std::lock_guard lock(mutex_);
        ++done_;
        if (report_ && !report_(done_, total_)) {
            cancelled_ = true;
        }
    }
    bool cancelled() const { return cancelled_; }

  private:
    int total_;
    const ExportProgress& report_;
    std::mutex mutex_;
    int done_ = 0;
    std::atomic<bool> cancelled_{false};
};

// Windows kept between jobs: a window that has drawn a screen once keeps its control faces, and
// making one costs more than drawing a small file's pictures. Export never moves the reference
// window or the pointer, so after an Open a used window draws as a new one would.
class WindowShelf {
  public:
    explicit WindowShelf(UiLanguage language) : language_(language) {}

    std::unique_ptr<HeadlessDriver> take() {
        {
            const std::lock_guard lock(mutex_);
            if (!windows_.empty()) {
                std::unique_ptr<HeadlessDriver> window = std::move(windows_.back());
                windows_.pop_back();
                return window;
            }
        }
        auto window = std::make_unique<HeadlessDriver>();
        window->chooseLanguage(language_);
        return window;
    }

    void putBack(std::unique_ptr<HeadlessDriver> window) {
        const std::lock_guard lock(mutex_);
        windows_.push_back(std::move(window));
    }

  private:
    UiLanguage language_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<HeadlessDriver>> windows_;
};

JobResult RunJob(const Job& job, const ExportSource& source, const SourceImage& image,
                 HeadlessDriver& window, Progress& progress, const ExportSettings& settings) {
    JobResult result;
    window.open(source.path, image);
    Document& document = window.document();
    const ControlTable& controls = document.controls();
    for (const Slice& slice : job.slices) {
        const Kind& kind = kKinds[slice.kind];
        // A screen or entry already showing is not chosen again: that would draw the same again.
        if (static_cast<int>(document.ScreenMode()) != kind.screen) {
            document.choose(ids::UiList, kind.screen);
        }
        for (int entry = slice.first; entry < slice.end && !progress.cancelled(); ++entry) {
            if (controls.selection(kind.list) != entry) {
                document.choose(kind.list, entry);
            }
            document.RefreshCursorReadout();
            const std::string label = DecodeLocalTextToUtf8(controls.find(kind.list)->items[entry]);
            const auto file =
                source.folder / ExportFileName(kind.name, entry, label, settings.format);
            const SaveResult written =
                WritePicture(ScreenAreaOf(document.clientImage(), controls.rect(ids::ScreenArea)),
                             settings.format, settings.depth, file, Durability::Unsynced);
            if (written.ok()) {
                ++result.written;
            } else {
                result.failures.push_back(
                    {ExportNote::Kind::WriteFailed, file.string(), written.reason()});
            }
            progress.step();
        }
    }
    return result;
}

}  // namespace

ExportOutcome ExportPictures(const std::vector<ExportSource>& sources,
                             const ExportSettings& settings, int threads,
                             const ExportProgress& report) {
    ExportOutcome outcome;
    const auto note = [&outcome](ExportNote::Kind kind, const std::string& path, std::string reason,
                                 ErrorKind readError = ErrorKind::None) {
        outcome.notes.push_back({kind, path, std::move(reason), readError});
    };
    std::vector<std::optional<RecordCounts>> counts;
    // Every source is read once; each job that draws from it opens a copy of its image.
    std::vector<std::shared_ptr<const SourceImage>> images;
    for (const ExportSource& source : sources) {
        ReadResult read = source.image
                              ? ReadResult{{}, std::make_unique<SourceImage>(*source.image)}
                              : ReadSourceFile(source.path, settings.readDeadline);
        if (read.image && read.image->signature() != kValidSignature) {
            note(ExportNote::Kind::NotMeterImage, source.path, {});
        }
        images.emplace_back(std::move(read.image));
        if (!read.error.ok() || images.back() == nullptr) {
            note(ExportNote::Kind::ReadFailed, source.path, read.error.detail, read.error.kind);
            counts.emplace_back();
            continue;
        }
        counts.push_back(CountRecords(*images.back()));
        std::error_code error;
        std::filesystem::create_directories(source.folder, error);
        if (error) {
            note(ExportNote::Kind::FolderFailed, source.folder.string(), error.message());
            counts.back().reset();
            continue;
        }
        for (int count : *counts.back()) {
            outcome.listed += count;
        }
    }

    const std::vector<Job> jobs = PlanJobs(counts, threads);
    std::vector<JobResult> results(jobs.size());
    Progress progress(outcome.listed, report);
    {
        WindowShelf shelf(settings.language);
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            pool.start([&, k] {
                const std::size_t source = jobs[k].source;
                std::unique_ptr<HeadlessDriver> window = shelf.take();
                results[k] =
                    RunJob(jobs[k], sources[source], *images[source], *window, progress, settings);
                shelf.putBack(std::move(window));
            });
        }
        pool.waitForDone();
    }
    outcome.cancelled = progress.cancelled();
    for (JobResult& result : results) {
        outcome.written += result.written;
        for (ExportNote& failure : result.failures) {
            outcome.notes.push_back(std::move(failure));
        }
    }
    // One flush makes the whole batch durable; every file was renamed into place already.
    if (!sources.empty() && outcome.listed > 0) {
        const SaveResult synced = SyncFileSystem(sources.front().folder);
        if (!synced.ok()) {
            note(ExportNote::Kind::SyncFailed, sources.front().folder.string(), synced.reason());
            outcome.written = 0;
        }
    }
    return outcome;
}

}  // namespace mirelta
