// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "platform/prompts.h"
#include "screens/main_window_logic.h"

class QMenu;

namespace mirelta {

// "Report..." (Ctrl+R) writes the PDF report of the open file; Ctrl+P prints the shown replica
// (the print dialog's "Selection") or the whole report.
class ReportActions {
  public:
    ReportActions(QWidget* window, MainWindowLogic& logic, Prompts& prompts);

    void addTo(QMenu& menu);
    void writeReport();
    void print();

  private:
    bool haveFile();

    QWidget* window_;
    MainWindowLogic& logic_;
    Prompts& prompts_;
};

}  // namespace mirelta
