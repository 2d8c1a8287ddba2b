// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "assess/assessment.h"
#include "data/screen_kind.h"
#include "logbook/logbook.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace mirelta {

class FolderOverviewFilter;
class FolderOverviewModel;
class FolderScan;

// "Folder overview": every snapshot of every meter file under a folder in one sortable table,
// filled while the files are read, with a text and a verdict filter. Activating a row (double
// click or Enter) hands its file and snapshot to `onOpen`.
class FolderOverviewWindow : public QDialog {
  public:
    // A file's own row (no snapshot) has no kind.
    using Open =
        std::function<void(const QString& path, std::optional<ScreenKind> kind, int index)>;

    FolderOverviewWindow(const QString& folder, const logbook::LogSettings& settings, Open onOpen,
                         QWidget* parent);
    ~FolderOverviewWindow() override;
    FolderOverviewWindow(const FolderOverviewWindow&) = delete;
    FolderOverviewWindow& operator=(const FolderOverviewWindow&) = delete;

    QTableView& table() { return *table_; }
    bool filled() const { return filled_; }

  private:
    void add(const logbook::LogFile& file);
    void showProgress();
    void finish(bool cancelled);
    void fitColumns();
    void widenFileColumn();
    void offerVerdicts();
    void showCounts();
    void openRow(const QModelIndex& index);

    Open onOpen_;
    FolderOverviewModel* model_;
    FolderOverviewFilter* filter_;
    QLineEdit* text_;
    QComboBox* verdict_;
    QTableView* table_;
    QLabel* counts_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QTimer progressDue_;
    std::set<Verdict> offered_;  // in the verdict filter
    bool offeredFileRows_ = false;
    int filesRead_ = 0;
    int widestFile_ = 0;  // in pixels, of the file names so far
    bool filled_ = false;
    bool cancelled_ = false;
    bool sized_ = false;
    std::unique_ptr<FolderScan>
        scan_;  // first to go: nothing it gives out meets a half-gone window
};

}  // namespace mirelta
