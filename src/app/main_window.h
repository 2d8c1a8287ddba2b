// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMainWindow>

#include "app/mirelta_dlg.h"

class QActionGroup;
class QScrollArea;

namespace mirelta {

// The desktop window around the replica and its panel: menu bar, status bar, a title naming the
// open file, and a size the user chooses, the replica scaled to fit it or at 100 % or 200 %.
class MainWindow : public QMainWindow {
  public:
    enum class Zoom { Fit, Actual, Double };

    explicit MainWindow(Prompts& prompts);

    CMireltaDlg& dialog() { return *dialog_; }
    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void addViewMenu();
    void showFileAndSnapshot();
    void applyZoom();
    void placeOnScreen();

    CMireltaDlg* dialog_;
    QScrollArea* scroll_;
    QLabel* fileLabel_;
    QLabel* snapshotLabel_;
    QLabel* actionLabel_;
    Zoom zoom_ = Zoom::Fit;
};

}  // namespace mirelta
