// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/document.h"

class QMenu;
class QWidget;

namespace mirelta {

// "Job Details..." (Ctrl+J): the job file beside the open meter file.
class JobDetailsAction {
  public:
    JobDetailsAction(QWidget* window, const Document& document);

    void addTo(QMenu& menu);
    void run();

  private:
    QWidget* window_;
    const Document& document_;
};

}  // namespace mirelta
