// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

#include "analysis/spectrum_analysis.h"

class QPainter;
class QPen;

namespace mirelta {

// What lies under a point of the plot.
struct SweepReading {
    double frequencyMHz = 0;  // IF under the point itself
    int point = 0;            // the nearest sweep point
    double pointMHz = 0;      // its IF
    int level = 0;            // its dBuV; 0 is no level
};

// The plot's own words, English unless the caller gives others.
struct SweepPlotWords {
    QString noData = QStringLiteral("No sweep data");
    QString levelAxis = QStringLiteral("Level (dBµV)");
    QString ifAxis = QStringLiteral("IF (MHz)");
    QString rfAxis = QStringLiteral("RF (MHz), LNB LO %1 MHz");
    QString floor = QStringLiteral("noise floor %1 dBµV");
};

// A measured plot of one analysed sweep: level axis in dBuV, IF axis in MHz (and RF over the
// top when the LO is known), the trace, the noise floor and the numbered carriers of the
// analysis. Painted with QPainter alone, so the window and the PDF report share it; everything
// is sized from the rectangle in the painter's logical units. The IF axis runs as the meter's
// screen does, from the sweep's first point on the left to its last on the right.
class SweepPlot {
  public:
    // `analysis` must outlive the plot.
    SweepPlot(const analysis::SpectrumAnalysis& analysis, std::optional<double> loMHz,
              const QRectF& area, SweepPlotWords words = {});

    void paint(QPainter& painter) const;
    // A cursor at one sweep point: a vertical line and a mark on its level.
    void paintCursor(QPainter& painter, int point) const;

    // None outside the plot's frame and when the sweep has no level to plot.
    std::optional<SweepReading> readingAt(QPointF at) const;

    bool hasData() const { return hasData_; }
    QRectF frame() const { return frame_; }  // the axes' box

  private:
    bool hasRfAxis() const { return rfLeft_ && rfRight_; }
    double xOf(double mhz) const;
    double yOf(double level) const;
    void paintLevelAxis(QPainter& painter) const;
    void paintFrequencyAxes(QPainter& painter) const;
    void paintCarriers(QPainter& painter) const;
    void paintTrace(QPainter& painter) const;
    QPen floorPen() const;
    void paintFloor(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;
    void paintNoData(QPainter& painter) const;

    const analysis::SpectrumAnalysis& analysis_;
    std::optional<double> loMHz_;
    SweepPlotWords words_;
    QRectF area_;
    QRectF frame_;
    double unit_;  // the text height everything is sized from
    bool hasData_ = false;
    double leftMHz_ = 0;  // at the frame's left and right edges
    double rightMHz_ = 1;
    double bottomLevel_ = 0;  // at the frame's bottom and top
    double topLevel_ = 1;
    std::optional<double> rfLeft_;  // through the LO, when it is a Ku or C band one
    std::optional<double> rfRight_;
    double levelStep_ = 10;  // between the level axis' ticks
};

}  // namespace mirelta
