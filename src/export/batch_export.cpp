// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/batch_export.h"

#include <sys/stat.h>

#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>

#include "data/source_file.h"
#include "export/batch_sync.h"
#include "export/export_file_name.h"
#include "export/image_encoding.h"
#include "export/output_file.h"
#include "export/screen_capture.h"
#include "export/temporary_name.h"
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
    std::size_t source = 0;
    int written = 0;
    std::vector<ExportNote> failures;  // failed writes, told after the batch in input order
};

// Load may mend the copy it is given; the image itself stays as read.
RecordCounts CountRecords(SourceImage image) {
    const RecordLists lists = Load(image);
    return RecordCounts{lists.findCount, lists.constellationCount, lists.spectrumCount};
}

// A source read and given its folder, ready to draw from.
struct Prepared {
    std::shared_ptr<const SourceImage> image;
    RecordCounts counts;
};

// What reading a source and making its folder had to tell, kept per source for input order.
struct SourceReport {
    std::vector<ExportNote> notes;
    int listed = 0;
};

// A folder named after a source is made here, never reached through a link someone left there.
SaveResult MakeFolder(const ExportSource& source) {
    std::error_code error;
    if (!source.namedFolder) {
        std::filesystem::create_directories(source.folder, error);
        return error ? SaveFailure(SaveError::CreateFailed, error.message()) : SaveResult{};
    }
    std::filesystem::create_directories(source.folder.parent_path(), error);
    if (error) {
        return SaveFailure(SaveError::CreateFailed, error.message());
    }
    if (::mkdir(source.folder.c_str(), 0777) == 0) {
        return {};
    }
    const int mkdirError = errno;
    struct stat info {};
    if (mkdirError != EEXIST || ::lstat(source.folder.c_str(), &info) != 0) {
        return SystemFailure(SaveError::CreateFailed, mkdirError);
    }
    if (S_ISLNK(info.st_mode)) {
        return SaveFailure(SaveError::CreateFailed, "it is a symbolic link, which is not followed");
    }
    return S_ISDIR(info.st_mode) ? SaveResult{}
                                 : SaveFailure(SaveError::CreateFailed, "it is not a folder");
}

// Reads the source (or takes the image it brings), says what is wrong with it and makes its
// folder; nothing to draw from when that fails.
std::optional<Prepared> Prepare(const ExportSource& source, const ExportSettings& settings,
                                SourceReport& report) {
    const auto note = [&report](ExportNote::Kind kind, const std::string& path, std::string reason,
                                ErrorKind readError = ErrorKind::None) {
        report.notes.push_back({kind, path, std::move(reason), readError});
    };
    ReadResult read = source.image ? ReadResult{{}, std::make_unique<SourceImage>(*source.image)}
                                   : ReadSourceFile(source.path, settings.readDeadline);
    if (read.image && read.image->signature() != kValidSignature) {
        note(ExportNote::Kind::NotMeterImage, source.path, {});
    }
    if (!read.error.ok() || read.image == nullptr) {
        note(ExportNote::Kind::ReadFailed, source.path, read.error.detail, read.error.kind);
        return std::nullopt;
    }
    if (const SaveResult made = MakeFolder(source); !made.ok()) {
        note(ExportNote::Kind::FolderFailed, source.folder.string(), made.detail);
        return std::nullopt;
    }
    RemoveStaleTemporaries(source.folder);
    const RecordCounts counts = CountRecords(*read.image);
    for (const int count : counts) {
        report.listed += count;
    }
    return Prepared{std::move(read.image), counts};
}

// Every slice of one source, for one thread.
Job WholeSource(std::size_t source, const RecordCounts& counts) {
    Job job{source, {}};
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        if (counts[kind] > 0) {
            job.slices.push_back({kind, 0, counts[kind]});
        }
    }
    return job;
}

// With fewer files than threads each screen's list is cut into one slice per thread.
std::vector<Job> SplitSources(const std::vector<std::optional<Prepared>>& prepared, int threads) {
    std::vector<Job> jobs;
    for (std::size_t source = 0; source < prepared.size(); ++source) {
        if (!prepared[source]) {
            continue;
        }
        for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
            const int count = prepared[source]->counts[kind];
            const int step = std::max(1, (count + threads - 1) / threads);
            for (int first = 0; first < count; first += step) {
                jobs.push_back({source, {{kind, first, std::min(count, first + step)}}});
            }
        }
    }
    return jobs;
}

// Counts the pictures and asks the caller whether to go on, one thread at a time.
class Progress {
  public:
    explicit Progress(const ExportProgress& report) : report_(report) {}

    void add(int pictures) {
        const std::lock_guard lock(mutex_);
        total_ += pictures;
    }
    void step() {
        const std::lock_guard lock(mutex_);
        ++done_;
        if (report_ && !report_(done_, total_)) {
            cancelled_ = true;
        }
    }
    bool cancelled() const { return cancelled_; }

  private:
    int total_ = 0;
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

SaveResult WriteBatchPicture(const QImage& image, const ExportSettings& settings,
                             const std::filesystem::path& file) {
    // One buffer per thread, kept from picture to picture.
    thread_local std::vector<std::uint8_t> bytes;
    if (SaveResult encoded = EncodeImage(image, settings.format, settings.depth, bytes);
        !encoded.ok()) {
        return encoded;
    }
    return WriteBatchFile(file, bytes);
}

JobResult RunJob(const Job& job, const ExportSource& source, const SourceImage& image,
                 HeadlessDriver& window, Progress& progress, const ExportSettings& settings) {
    JobResult result{job.source, 0, {}};
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
            const SaveResult written = WriteBatchPicture(
                ScreenAreaOf(document.clientImage(), controls.rect(ids::ScreenArea)), settings,
                file);
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

// One flush per file system makes the whole batch durable; every file was renamed into place
// already.
void SyncWrittenFolders(const std::vector<ExportSource>& sources,
                        const std::vector<JobResult>& results, ExportOutcome& outcome) {
    std::vector<std::filesystem::path> folders;
    for (const JobResult& result : results) {
        if (result.written > 0) {
            folders.push_back(sources[result.source].folder);
        }
    }
    for (const auto& [folder, failure] : SyncFileSystems(folders)) {
        outcome.notes.push_back({ExportNote::Kind::SyncFailed, folder.string(), failure.reason()});
    }
}

}  // namespace

ExportOutcome ExportPictures(const std::vector<ExportSource>& sources,
                             const ExportSettings& settings, int threads,
                             const ExportProgress& report) {
    std::vector<SourceReport> reports(sources.size());
    std::vector<std::optional<Prepared>> prepared;
    std::vector<Job> jobs;
    std::vector<JobResult> results;
    Progress progress(report);
    WindowShelf shelf(settings.language);
    const auto draw = [&](const Job& job, const SourceImage& image) {
        std::unique_ptr<HeadlessDriver> window = shelf.take();
        JobResult result = RunJob(job, sources[job.source], image, *window, progress, settings);
        shelf.putBack(std::move(window));
        return result;
    };
    {
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        if (static_cast<int>(sources.size()) < threads) {
            // Few files: all are read now, so that their lists can be shared out among the threads.
            for (std::size_t k = 0; k < sources.size(); ++k) {
                prepared.push_back(Prepare(sources[k], settings, reports[k]));
                progress.add(reports[k].listed);
            }
            jobs = SplitSources(prepared, threads);
            results.resize(jobs.size());
            for (std::size_t k = 0; k < jobs.size(); ++k) {
                pool.start(
                    [&, k] { results[k] = draw(jobs[k], *prepared[jobs[k].source]->image); });
            }
        } else {
            // Many files: each is read only when a thread takes it, so memory stays the same
            // however many there are.
            results.resize(sources.size());
            for (std::size_t k = 0; k < sources.size(); ++k) {
                pool.start([&, k] {
                    if (progress.cancelled()) {
                        return;
                    }
                    const std::optional<Prepared> source =
                        Prepare(sources[k], settings, reports[k]);
                    if (source) {
                        progress.add(reports[k].listed);
                        results[k] = draw(WholeSource(k, source->counts), *source->image);
                    }
                });
            }
        }
        pool.waitForDone();
    }
    ExportOutcome outcome;
    outcome.cancelled = progress.cancelled();
    for (SourceReport& source : reports) {
        outcome.listed += source.listed;
        std::move(source.notes.begin(), source.notes.end(), std::back_inserter(outcome.notes));
    }
    for (JobResult& result : results) {
        outcome.written += result.written;
        std::move(result.failures.begin(), result.failures.end(),
                  std::back_inserter(outcome.notes));
    }
    SyncWrittenFolders(sources, results, outcome);
    return outcome;
}

}  // namespace mirelta
