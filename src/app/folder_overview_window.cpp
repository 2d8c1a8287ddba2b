// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_overview_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <algorithm>

#include "app/folder_overview_filter.h"
#include "app/folder_overview_model.h"
#include "app/folder_scan.h"

namespace mirelta {
namespace {

constexpr int kWidestColumn = 320;
constexpr int kRowsMeasured = 100;
constexpr int kStatusEveryMs = 100;

// `one` for a count of 1, else `many` with the count for its %1.
QString Plural(int count, const char* one, const char* many) {
    return count == 1 ? QCoreApplication::translate("Mirelta", one)
                      : QCoreApplication::translate("Mirelta", many).arg(count);
}

}  // namespace

FolderOverviewWindow::FolderOverviewWindow(const QString& folder,
                                           const logbook::LogSettings& settings, Open onOpen,
                                           QWidget* parent)
    : QDialog(parent), onOpen_(std::move(onOpen)) {
    setWindowTitle(QCoreApplication::translate("Mirelta", "Folder overview - ") +
                   QDir::toNativeSeparators(folder));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for every column where the screen allows.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1500, screen.width() * 9 / 10), std::min(640, screen.height() * 9 / 10));

    model_ = new FolderOverviewModel(folder, this);
    filter_ = new FolderOverviewFilter(this);
    filter_->setSourceModel(model_);

    text_ = new QLineEdit(this);
    text_->setPlaceholderText(QCoreApplication::translate("Mirelta", "Text in any column"));
    text_->setClearButtonEnabled(true);
    auto* textLabel = new QLabel(QCoreApplication::translate("Mirelta", "&Filter:"), this);
    textLabel->setBuddy(text_);
    verdict_ = new QComboBox(this);
    verdict_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* verdictLabel = new QLabel(QCoreApplication::translate("Mirelta", "&Verdict:"), this);
    verdictLabel->setBuddy(verdict_);
    offerVerdicts();

    table_ = new QTableView(this);
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setHighlightSections(false);
    // Widths from a sample of the rows: measuring tens of thousands would stall the window.
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    // In the order the files were read until the user picks a column.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);

    counts_ =
        new QLabel(QCoreApplication::translate("Mirelta", "Looking for meter files..."), this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 0);
    const QString progressFormat = QCoreApplication::translate("Mirelta", "%1 of %2 files");
    progress_->setFormat(progressFormat.arg(QStringLiteral("%v"), QStringLiteral("%m")));
    progress_->setMinimumWidth(progress_->fontMetrics().horizontalAdvance(progressFormat.arg(
                                   QStringLiteral("000000"), QStringLiteral("000000"))) +
                               24);
    cancel_ = new QPushButton(QCoreApplication::translate("Mirelta", "Cancel"), this);
    cancel_->setAutoDefault(false);

    auto* filters = new QHBoxLayout;
    filters->addWidget(textLabel);
    filters->addWidget(text_, 1);
    filters->addSpacing(12);
    filters->addWidget(verdictLabel);
    filters->addWidget(verdict_);
    auto* status = new QHBoxLayout;
    status->addWidget(counts_, 1);
    status->addWidget(progress_);
    status->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addLayout(status);

    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setText(text);
        showCounts();
    });
    connect(verdict_, &QComboBox::activated, this, [this](int entry) {
        filter_->setVerdict(verdict_->itemData(entry).toInt());
        showCounts();
    });
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& at) { openRow(at); });

    progressDue_.setSingleShot(true);
    connect(&progressDue_, &QTimer::timeout, this, [this] { showProgress(); });

    scan_ = std::make_unique<FolderScan>(QFile::encodeName(folder).toStdString(), settings);
    connect(scan_.get(), &FolderScan::listed, this, [this](int total) {
        progress_->setRange(0, total);
        progress_->setValue(0);
    });
    connect(scan_.get(), &FolderScan::read, this,
            [this](const logbook::LogFile& file) { add(file); });
    connect(scan_.get(), &FolderScan::finished, this,
            [this](bool cancelled) { finish(cancelled); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        scan_->cancel();
    });
    scan_->start();
}

FolderOverviewWindow::~FolderOverviewWindow() = default;

void FolderOverviewWindow::add(const logbook::LogFile& file) {
    model_->addFile(file);
    ++filesRead_;
    const QModelIndex shown = model_->index(model_->rowCount() - 1, FolderOverviewModel::File);
    widestFile_ =
        std::max(widestFile_, table_->fontMetrics().horizontalAdvance(shown.data().toString()));
    // The rest follows now and then: a progress bar repaints at once on each new value.
    if (!progressDue_.isActive()) {
        // The first rows get their column widths at once; then a few updates a second will do.
        progressDue_.start(sized_ ? kStatusEveryMs : 0);
    }
}

void FolderOverviewWindow::showProgress() {
    progress_->setValue(filesRead_);
    if (model_->verdicts() != offered_ || (model_->fileRows() > 0) != offeredFileRows_) {
        offerVerdicts();
    }
    if (!sized_) {
        // The first rows give the columns their widths; later ones would make them jump.
        fitColumns();
        sized_ = true;
    } else {
        widenFileColumn();
    }
    showCounts();
}

void FolderOverviewWindow::finish(bool cancelled) {
    progressDue_.stop();
    progress_->setValue(filesRead_);
    offerVerdicts();
    filled_ = true;
    cancelled_ = cancelled;
    progress_->hide();
    cancel_->hide();
    fitColumns();
    showCounts();
}

// To their contents, but no column so wide that a long label or reason hides the others.
void FolderOverviewWindow::fitColumns() {
    table_->resizeColumnsToContents();
    QHeaderView& header = *table_->horizontalHeader();
    for (int column = 0; column < header.count(); ++column) {
        header.resizeSection(column, std::min(header.sectionSize(column), kWidestColumn));
    }
}

// A longer name than the first rows had would otherwise be cut short until the end.
void FolderOverviewWindow::widenFileColumn() {
    QHeaderView& header = *table_->horizontalHeader();
    const int wanted = std::min(kWidestColumn, widestFile_ + 12);
    if (wanted > header.sectionSize(FolderOverviewModel::File)) {
        header.resizeSection(FolderOverviewModel::File, wanted);
    }
}

// The verdicts of the rows so far, in the verdicts' own order, and the files without snapshots.
void FolderOverviewWindow::offerVerdicts() {
    const int kept =
        verdict_->count() > 0 ? verdict_->currentData().toInt() : FolderOverviewFilter::Keep::All;
    verdict_->clear();
    verdict_->addItem(QCoreApplication::translate("Mirelta", "All"),
                      FolderOverviewFilter::Keep::All);
    for (const Verdict verdict : model_->verdicts()) {
        verdict_->addItem(QString::fromLatin1(VerdictText(verdict)), static_cast<int>(verdict));
    }
    if (model_->fileRows() > 0) {
        verdict_->addItem(QCoreApplication::translate("Mirelta", "files without snapshots"),
                          FolderOverviewFilter::Keep::FileRows);
    }
    verdict_->setCurrentIndex(std::max(0, verdict_->findData(kept)));
    offered_ = model_->verdicts();
    offeredFileRows_ = model_->fileRows() > 0;
}

void FolderOverviewWindow::showCounts() {
    QString text;
    if (!filled_) {
        text = QCoreApplication::translate("Mirelta", "Reading... ");
    }
    text += Plural(filesRead_, QT_TRANSLATE_NOOP("Mirelta", "1 file"),
                   QT_TRANSLATE_NOOP("Mirelta", "%1 files"));
    if (model_->fileRows() > 0) {
        text += QCoreApplication::translate("Mirelta", " (%1 without snapshots)")
                    .arg(model_->fileRows());
    }
    text += QStringLiteral(", ") + Plural(model_->snapshotCount(),
                                          QT_TRANSLATE_NOOP("Mirelta", "1 snapshot"),
                                          QT_TRANSLATE_NOOP("Mirelta", "%1 snapshots"));
    if (cancelled_) {
        text += QCoreApplication::translate("Mirelta", " (cancelled: %1 files not read)")
                    .arg(progress_->maximum() - filesRead_);
    }
    if (filter_->rowCount() != model_->rowCount()) {
        text += QCoreApplication::translate("Mirelta", "; %1 of %2 rows shown")
                    .arg(filter_->rowCount())
                    .arg(model_->rowCount());
    }
    if (filled_) {
        text += QCoreApplication::translate("Mirelta",
                                            ". Double-click a row or press Enter to open it.");
    }
    counts_->setText(text);
}

void FolderOverviewWindow::openRow(const QModelIndex& index) {
    const QVariant kind = index.data(FolderOverviewModel::KindRole);
    onOpen_(index.data(FolderOverviewModel::PathRole).toString(),
            kind.isValid() ? std::optional(static_cast<ScreenKind>(kind.toInt())) : std::nullopt,
            index.data(FolderOverviewModel::IndexRole).toInt());
}

}  // namespace mirelta
