// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sweep_plot_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace mirelta {

SweepPlotWidget::SweepPlotWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(480, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SweepPlotWidget::setAnalysis(analysis::SpectrumAnalysis analysis,
                                  std::optional<double> loMHz) {
    analysis_ = std::move(analysis);
    loMHz_ = loMHz;
    read(pointer_ ? plot().readingAt(*pointer_) : std::nullopt);
    update();
}

void SweepPlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const SweepPlot shown = plot();
    shown.paint(painter);
    if (cursor_) {
        shown.paintCursor(painter, *cursor_);
    }
}

void SweepPlotWidget::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    read(plot().readingAt(*pointer_));
    QWidget::mouseMoveEvent(event);
}

void SweepPlotWidget::leaveEvent(QEvent* event) {
    pointer_.reset();
    read(std::nullopt);
    QWidget::leaveEvent(event);
}

void SweepPlotWidget::read(std::optional<SweepReading> reading) {
    const std::optional<int> cursor =
        reading ? std::optional<int>(reading->point) : std::optional<int>();
    if (cursor != cursor_) {
        cursor_ = cursor;
        update();
    }
    if (onReading) {
        onReading(reading);
    }
}

}  // namespace mirelta
