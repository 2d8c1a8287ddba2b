// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export_all_action.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMenu>
#include <QProgressDialog>
#include <QShortcut>
#include <QThread>
#include <atomic>

#include "export/batch_export.h"

namespace mirelta {
namespace {

const QKeySequence kShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_E);

// The failures, one line each, for the message's detail.
std::string FailureLines(const ExportOutcome& outcome) {
    std::string lines;
    for (const ExportNote& note : outcome.notes) {
        if (note.kind != ExportNote::Kind::NotMeterImage) {
            lines += note.path + ": " + note.reason + '\n';
        }
    }
    return lines;
}

}  // namespace

ExportAllAction::ExportAllAction(QWidget* window, const Document& document, Prompts& prompts)
    : window_(window), document_(document), prompts_(prompts) {
    auto* shortcut = new QShortcut(kShortcut, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [this] { run(); });
}

void ExportAllAction::addTo(QMenu& menu) {
    menu.addAction(QCoreApplication::translate("Mirelta", "&Export All..."), window_,
                   [this] { run(); })
        ->setShortcut(kShortcut);
}

void ExportAllAction::run() {
    if (!document_.fileLoaded()) {
        prompts_.messageBox("Please open a source file at first!");
        return;
    }
    const auto folder = prompts_.folderName("Export All");
    if (!folder || folder->empty()) {
        return;
    }
    // The pictures come from the image the window shows, even when its file is gone or was a pipe.
    const ExportSource source{document_.sourcePath(), *folder,
                              std::make_shared<SourceImage>(*document_.image())};
    ExportSettings settings;
    settings.language = document_.Language();
    const RecordLists& lists = document_.lists();
    const int total = lists.findCount + lists.constellationCount + lists.spectrumCount;

    QProgressDialog progress(QCoreApplication::translate("Mirelta", "Exporting pictures..."),
                             QCoreApplication::translate("Mirelta", "Cancel"), 0, total, window_);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    std::atomic<bool> cancelled{false};
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
    ExportOutcome outcome;
    const auto report = [&](int done, int) {
        QMetaObject::invokeMethod(
            &progress, [&progress, done] { progress.setValue(done); }, Qt::QueuedConnection);
        return !cancelled;
    };
    std::unique_ptr<QThread> worker(QThread::create([&] {
        outcome = ExportPictures({source}, settings, QThread::idealThreadCount(), report);
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    progress.reset();

    const QString summary = QCoreApplication::translate("Mirelta", "Wrote %1 of %2 pictures to %3")
                                .arg(outcome.written)
                                .arg(outcome.listed)
                                .arg(QString::fromStdString(*folder));
    const std::string failures = FailureLines(outcome);
    if (!failures.empty()) {
        prompts_.messageBox(
            (QCoreApplication::translate("Mirelta", "Cannot export every picture.") + '\n' +
             summary)
                .toStdString(),
            failures);
    } else if (outcome.cancelled) {
        prompts_.messageBox(
            (QCoreApplication::translate("Mirelta", "Export cancelled.") + '\n' + summary)
                .toStdString());
    } else {
        prompts_.messageBox(summary.toStdString());
    }
}

}  // namespace mirelta
