// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableWidget>

#include "analysis/spectrum_analysis.h"

namespace mirelta {

// The carriers of an analysed sweep, one row each, numbered as the plot numbers them.
class CarrierTable : public QTableWidget {
  public:
    explicit CarrierTable(QWidget* parent);

    void showCarriers(const analysis::SpectrumAnalysis& analysis);
};

}  // namespace mirelta
