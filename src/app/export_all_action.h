// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/prompts.h"
#include "screens/document.h"

class QMenu;
class QWidget;

namespace mirelta {

// "Export All..." (Ctrl+Shift+E): a picture of every snapshot of the open file into a chosen
// folder, with the names and bytes of `mirelta-cli export-all`, behind a progress dialog that
// can cancel.
class ExportAllAction {
  public:
    ExportAllAction(QWidget* window, const Document& document, Prompts& prompts);

    void addTo(QMenu& menu);
    void run();

  private:
    QWidget* window_;
    const Document& document_;
    Prompts& prompts_;
};

}  // namespace mirelta
