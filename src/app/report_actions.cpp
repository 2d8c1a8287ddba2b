// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

#include "app/printing.h"
#include "app/settings.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

ReportRequest RequestFor(const Document& document, const SatelliteLine& satellite) {
    const Settings settings;
    analysis::AnalysisSettings analysis;
    if (const std::optional<int> lo = settings.lnbLoMHz()) {
        analysis.loMHz = *lo;  // the LO the analysis window was given
    }
    return ReportRequest{
        .sourcePath = document.sourcePath(),
        .image = document.image(),
        .title = {},
        .language = document.Language() == UiLanguage::French ? ReportLanguage::French
                                                              : ReportLanguage::English,
        .thresholds = settings.thresholds(),
        .analysis = analysis,
        // The job file beside the meter file; one that cannot be read is refused in Job Details.
        .job = ReadJobFile(JobFilePath(document.sourcePath())).details,
        .satellite = satellite.identify(),
    };
}

}  // namespace

ReportActions::ReportActions(QWidget* window, Document& document, Prompts& prompts,
                             const SatelliteLine& satellite)
    : window_(window), document_(document), prompts_(prompts), satellite_(satellite) {
    auto* report = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), window);
    QObject::connect(report, &QShortcut::activated, window, [this] { writeReport(); });
    auto* print = new QShortcut(QKeySequence::Print, window);
    QObject::connect(print, &QShortcut::activated, window, [this] { this->print(); });
}

void ReportActions::addTo(QMenu& menu) {
    QAction* report = menu.addAction(QCoreApplication::translate("Mirelta", "&Report..."), window_,
                                     [this] { writeReport(); });
    report->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* print = menu.addAction(QCoreApplication::translate("Mirelta", "&Print..."), window_,
                                    [this] { this->print(); });
    print->setShortcut(QKeySequence::Print);
}

bool ReportActions::haveFile() {
    if (!document_.fileLoaded()) {
        prompts_.messageBox("Please open a source file at first!");
        return false;
    }
    return true;
}

void ReportActions::writeReport() {
    if (!haveFile()) {
        return;
    }
    const auto path = prompts_.saveFileName(".pdf", "report", "PDF report (*.pdf)|*.pdf|");
    if (!path || path->empty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaveResult saved = WriteReportFile(RequestFor(document_, satellite_), *path);
    QApplication::restoreOverrideCursor();
    if (!saved.ok()) {
        prompts_.messageBox(QCoreApplication::translate("Mirelta", "Cannot save the report to\n%1")
                                .arg(QString::fromStdString(*path))
                                .toStdString(),
                            saved.reason());
    }
}

void ReportActions::print() {
    if (!haveFile()) {
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, window_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection);
    printer.setPrintRange(QPrinter::Selection);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (printer.printRange() == QPrinter::Selection) {
        document_.repaint();
        PrintReplica(printer, document_.replica());
        return;
    }
    PrintReport(printer, RequestFor(document_, satellite_));
}

}  // namespace mirelta
