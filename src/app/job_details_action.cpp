// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_details_action.h"

#include <QCoreApplication>
#include <QMenu>
#include <QShortcut>

#include "app/job_details_dialog.h"
#include "app/message_box.h"

namespace mirelta {
namespace {

const QKeySequence kShortcut(Qt::CTRL | Qt::Key_J);

}  // namespace

JobDetailsAction::JobDetailsAction(QWidget* window, const Document& document)
    : window_(window), document_(document) {
    auto* shortcut = new QShortcut(kShortcut, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [this] { run(); });
}

void JobDetailsAction::addTo(QMenu& menu) {
    menu.addAction(QCoreApplication::translate("Mirelta", "&Job Details..."), window_,
                   [this] { run(); })
        ->setShortcut(kShortcut);
}

void JobDetailsAction::run() {
    // The job file lives beside the meter file: standard input has no place for it.
    if (!document_.fileLoaded() || document_.sourcePath().empty() ||
        document_.sourcePath() == "-") {
        ShowMessageBox(window_, QMessageBox::Information,
                       QCoreApplication::translate("Mirelta",
                                                   "Open a meter file first: its job details are "
                                                   "kept beside it, as NAME.job.json."));
        return;
    }
    JobDetailsDialog dialog(JobFilePath(document_.sourcePath()), window_);
    dialog.exec();
}

}  // namespace mirelta
