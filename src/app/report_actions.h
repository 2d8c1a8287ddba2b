// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/satellite_line.h"
#include "platform/prompts.h"
#include "screens/document.h"

class QMenu;

namespace mirelta {

// "Report..." (Ctrl+R) writes the PDF report of the open file; Ctrl+P prints the shown replica
// (the print dialog's "Selection") or the whole report.
class ReportActions {
  public:
    ReportActions(QWidget* window, Document& document, Prompts& prompts,
                  const SatelliteLine& satellite);

    void addTo(QMenu& menu);
    void writeReport();
    void print();

  private:
    bool haveFile();

    QWidget* window_;
    Document& document_;
    Prompts& prompts_;
    const SatelliteLine& satellite_;
};

}  // namespace mirelta
