#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>
#include <string>

#include "app/desktop_settings.h"
#include "app/panel_widgets.h"
#include "app/replica_view.h"
#include "platform/prompts.h"
#include "screens/main_window_logic.h"

class QMenu;

namespace mirelta {

// The main window: the replica view and the operator panel, routing the toolkit's events to the
// handlers of the main window's logic.
class CMireltaDlg : public QDialog {
  public:
    explicit CMireltaDlg(Prompts& prompts, QWidget* parent = nullptr);

    MainWindowLogic& logic() { return logic_; }
    const PanelWidgets& panel() const { return *panel_; }

    void OnOK();
    void OnCancel() { QDialog::reject(); }
    void SaveScreenBitmap(const std::string& path);
    void ShowAbout();

    // What the desktop adds: a file named on the command line or dropped on the window.
    void OpenDroppedOrGiven(const QString& path);
    void OpenRecent(const QString& path);  // drops a missing file from the list, with a message
    void StepRecord(int step);             // PageDown/PageUp: the next/previous snapshot
    void CopyReplica();                    // Ctrl+C
    void AddRecentFilesMenu(QMenu& menu);

  protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override { OnCancel(); }
    void accept() override {}  // Enter presses the default button (Open); it never closes

  private:
    void OnInitDialog();
    void AddDesktopActions();
    void routeClick(int id);
    void routeListChoice(int id, int entry);
    void showToolTip(const QPoint& globalPosition);
    int screenDepth() const;

    Prompts& prompts_;
    DesktopSettings settings_;
    MainWindowLogic logic_;
    ReplicaView* view_;
    std::unique_ptr<PanelWidgets> panel_;
    QTimer readoutTimer_;
    QTimer traceRedraw_;
    int wheelRemainder_ = 0;
};

}  // namespace mirelta
