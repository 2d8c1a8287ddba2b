// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "app/settings.h"
#include "report/sweep_plot.h"
#include "screens/document.h"

class QLabel;
class QSpinBox;

namespace mirelta {

class CarrierTable;
class SweepPlotWidget;

// "Spectrum analysis": the selected Spectrum snapshot's sweep as a measured plot, the reading
// under the pointer, the noise floor and the table of carriers, converted to RF through the LNB
// LO the user gives (remembered in the settings). Follows the selection and each opened file;
// `onLoChanged` runs once a new LO is remembered.
class AnalysisView : public QDialog {
  public:
    AnalysisView(const Document& document, Settings& settings, std::function<void()> onLoChanged,
                 QWidget* parent);

  private:
    void refresh();
    std::optional<double> lo() const;
    void showReading(const std::optional<SweepReading>& reading);

    const Document& document_;
    Settings& settings_;
    std::function<void()> onLoChanged_;
    QLabel* heading_;
    QSpinBox* lo_;
    SweepPlotWidget* plot_;
    QLabel* reading_;
    QLabel* summary_;
    CarrierTable* table_;
};

}  // namespace mirelta
