// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "analysis/spectrum_analysis.h"
#include "report/sweep_plot.h"

namespace mirelta {

// The sweep plot on screen, with a cursor on the sweep point under the pointer.
class SweepPlotWidget : public QWidget {
  public:
    explicit SweepPlotWidget(QWidget* parent);

    void setAnalysis(analysis::SpectrumAnalysis analysis, std::optional<double> loMHz);

    // The reading under the pointer as it moves; none when it leaves the plot.
    std::function<void(const std::optional<SweepReading>& reading)> onReading;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    SweepPlot plot() const { return SweepPlot(analysis_, loMHz_, QRectF(rect())); }
    void read(std::optional<SweepReading> reading);

    analysis::SpectrumAnalysis analysis_;
    std::optional<double> loMHz_;
    std::optional<QPointF> pointer_;  // the last place read, kept over a new analysis
    std::optional<int> cursor_;
};

}  // namespace mirelta
