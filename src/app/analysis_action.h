// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "app/settings.h"
#include "screens/document.h"

class QMenu;
class QPushButton;
class QWidget;

namespace mirelta {

class AnalysisView;

// "Analysis..." (Ctrl+Shift+A, the panel's button, the context menu): opens the Spectrum
// analysis window, or raises it when it is open already. `onLoChanged` runs when the user gives
// the window a new LNB LO.
class AnalysisAction {
  public:
    AnalysisAction(QWidget* window, const Document& document, Settings& settings,
                   std::function<void()> onLoChanged);

    void addTo(QMenu& menu);
    void open();

  private:
    QWidget* window_;
    const Document& document_;
    Settings& settings_;
    std::function<void()> onLoChanged_;
    AnalysisView* view_ = nullptr;  // made on first use; the window owns it
};

}  // namespace mirelta
