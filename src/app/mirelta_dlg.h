// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/analysis_action.h"
#include "app/export_all_action.h"
#include "app/folder_overview_action.h"
#include "app/job_details_action.h"
#include "app/panel_widgets.h"
#include "app/replica_view.h"
#include "app/report_actions.h"
#include "app/settings.h"
#include "app/verdict_band.h"
#include "platform/prompts.h"
#include "screens/document.h"

class QMenu;

namespace mirelta {

// The main window: the replica view and the operator panel, routing the toolkit's events to the
// document.
class CMireltaDlg : public QDialog {
  public:
    explicit CMireltaDlg(Prompts& prompts, QWidget* parent = nullptr);
    ~CMireltaDlg() override;
    CMireltaDlg(const CMireltaDlg&) = delete;
    CMireltaDlg& operator=(const CMireltaDlg&) = delete;

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    const PanelWidgets& panel() const { return *panel_; }

    void OnOK();
    void OnCancel();
    void SaveScreenBitmap(const std::string& path);
    void ShowAbout();

    // What the desktop adds: a file named on the command line or dropped on the window.
    void OpenDroppedOrGiven(const QString& path);
    // Open once the path is known. A regular file is read at once; a pipe, terminal or device
    // is read on its own thread, so the window keeps answering until the data or the deadline
    // comes. True while such a read is under way.
    void OpenSource(const std::string& path);
    bool reading() const { return readPending_; }
    // The note in the free band under the replica; shown while an open file lists nothing.
    const QLabel& emptyFileNote() const { return *emptyFileNote_; }
    void OpenRecent(const QString& path);  // drops a missing file from the list, with a message
    void StepRecord(int step);             // PageDown/PageUp: the next/previous snapshot
    void CopyReplica();                    // Ctrl+C
    void AddRecentFilesMenu(QMenu& menu);
    // A row of the folder overview: opens its file here, at its snapshot if it has one.
    void OpenSnapshot(const QString& path, std::optional<ScreenKind> kind, int index);

    // The replica drawn `scale` times its size; the panel keeps its size and moves beside and
    // under it. The pointer still maps to replica pixels.
    void SetReplicaScale(double scale);
    double replicaScale() const { return replicaScale_; }
    // The window's client size at a replica scale.
    static QSize ClientSizeAt(double scale);
    // A pick in a panel list made from elsewhere (a menu): as if the user had picked it there.
    void ChooseInList(int listId, int entry);
    // The window's own actions, for a menu bar: Save As, Export All, Report, Print, Job Details;
    // and the Spectrum analysis.
    void AddFileActions(QMenu& menu);
    void AddAnalysisAction(QMenu& menu);
    void AddOpenFolderActions(QMenu& menu);
    // Called with what the user last did ("Saved to ..."), for the status bar.
    std::function<void(const QString&)> onAction;

  protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override { OnCancel(); }
    void accept() override {}  // Enter presses the default button (Open); it never closes

  private:
    void OnInitDialog();
    void AddDesktopActions();
    void RestoreLastRun();
    void routeClick(int id);
    void showToolTip(const QPoint& globalPosition);
    void trackPointer(QPoint position);
    // A client position at the current scale as a position of the template's client area.
    QPoint toTemplate(QPoint position) const;
    // How much wider and taller the replica is drawn than its own size.
    QPoint replicaGrowth() const;
    void finishOpen(const std::string& path, ReadResult read);
    int screenDepth() const;

    Prompts& prompts_;
    Settings settings_;
    Document document_;
    ReplicaView* view_;
    std::unique_ptr<PanelWidgets> panel_;
    VerdictBand* verdict_;
    Thresholds thresholds_;
    std::unique_ptr<ReportActions> reportActions_;
    std::unique_ptr<ExportAllAction> exportAll_;
    std::unique_ptr<AnalysisAction> analysis_;
    std::unique_ptr<FolderOverviewAction> folderOverview_;
    std::unique_ptr<JobDetailsAction> jobDetails_;
    QTimer readoutTimer_;
    QTimer traceRedraw_;
    QLabel* emptyFileNote_;
    std::unique_ptr<QThread> reader_;
    bool readPending_ = false;  // until the reader's result has been opened
    int wheelRemainder_ = 0;
    double replicaScale_ = 1.0;
    std::vector<std::pair<QWidget*, QRect>> templatePlaces_;  // the panel's places at scale 1
};

}  // namespace mirelta
