// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/sweep_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "analysis/lnb_conversion.h"

namespace mirelta {
namespace {

// Colours that stay apart on paper, in grey print too.
const QColor kTrace(0, 70, 160);
const QColor kFloor(190, 30, 30);
const QColor kCarrierLine(205, 105, 0);
const QColor kCarrierBand(255, 175, 70, 80);
const QColor kGrid(220, 220, 220);
const QColor kAxis(40, 40, 40);

constexpr double kTicksWanted = 7;

// 1, 2 or 5 times a power of ten, at least `rough`.
double NiceStep(double rough) {
    if (!(rough > 0)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

QString Number(double value, double step) {
    return QString::number(value, 'f', step < 1 ? 1 : 0);
}

QFont FontOf(const QPainter& painter, double pixels, bool bold = false) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// The multiples of `step` from `from` to `to`, either way round.
std::vector<double> TicksBetween(double from, double to, double step) {
    std::vector<double> ticks;
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    for (double k = std::ceil(low / step); k * step <= high; ++k) {
        ticks.push_back(k * step);
    }
    return ticks;
}

}  // namespace

SweepPlot::SweepPlot(const analysis::SpectrumAnalysis& analysis, std::optional<double> loMHz,
                     const QRectF& area, SweepPlotWords words)
    : analysis_(analysis), loMHz_(loMHz), words_(std::move(words)), area_(area) {
    unit_ = std::max(1.0, std::min(area.height() / 27, area.width() / 52));
    const auto& points = analysis.sweep.points;
    int lowest = 0;
    int highest = 0;
    for (const analysis::SweepPoint& point : points) {
        if (point.level == 0) {
            continue;
        }
        lowest = hasData_ ? std::min(lowest, point.level) : point.level;
        highest = hasData_ ? std::max(highest, point.level) : point.level;
        hasData_ = true;
    }
    if (hasData_) {
        leftMHz_ = points.front().frequencyMHz;
        rightMHz_ = points.back().frequencyMHz;
        if (leftMHz_ == rightMHz_) {
            const double half = std::max(1, analysis.sweep.freqStep) / 2.0;
            leftMHz_ += half;
            rightMHz_ -= half;
        }
        if (loMHz) {
            rfLeft_ = analysis::RfOf(leftMHz_, *loMHz);
            rfRight_ = analysis::RfOf(rightMHz_, *loMHz);
        }
    }
    const double top = hasRfAxis() ? 3.6 * unit_ : 1.0 * unit_;
    frame_ = area.adjusted(5.2 * unit_, top, -2.0 * unit_, -3.6 * unit_);
    if (frame_.width() <= 0 || frame_.height() <= 0) {
        frame_ = QRectF(area.center(), QSizeF(1, 1));
    }
    if (!hasData_) {
        return;
    }

    double low = lowest;
    double high = highest;
    if (analysis.floor) {
        low = std::min(low, *analysis.floor);
        high = std::max(high, *analysis.floor);
    }
    levelStep_ = NiceStep(std::max(high - low, 10.0) / 6);
    bottomLevel_ = std::floor((low - levelStep_ / 2) / levelStep_) * levelStep_;
    topLevel_ = std::ceil((high + levelStep_ / 2) / levelStep_) * levelStep_;
    // Head room over the trace for the carriers' numbers.
    for (int k = 0; k < 4 && yOf(high) - frame_.top() < 2.2 * unit_; ++k) {
        topLevel_ += levelStep_;
    }
}

double SweepPlot::xOf(double mhz) const {
    return frame_.left() + (mhz - leftMHz_) / (rightMHz_ - leftMHz_) * frame_.width();
}

double SweepPlot::yOf(double level) const {
    return frame_.bottom() - (level - bottomLevel_) / (topLevel_ - bottomLevel_) * frame_.height();
}

void SweepPlot::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame_, Qt::white);
    if (!hasData_) {
        paintNoData(painter);
        painter.restore();
        return;
    }
    paintLevelAxis(painter);
    paintFrequencyAxes(painter);
    painter.save();
    painter.setClipRect(frame_);
    paintCarriers(painter);
    paintFloor(painter);
    paintTrace(painter);
    painter.restore();
    painter.setPen(QPen(kAxis, 0.08 * unit_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame_);
    paintLegend(painter);
    painter.restore();
}

void SweepPlot::paintNoData(QPainter& painter) const {
    painter.setPen(QPen(kGrid, 0.08 * unit_));
    painter.drawRect(frame_);
    painter.setPen(Qt::darkGray);
    painter.setFont(FontOf(painter, 1.2 * unit_));
    painter.drawText(frame_, Qt::AlignCenter, words_.noData);
}

void SweepPlot::paintLevelAxis(QPainter& painter) const {
    painter.setFont(FontOf(painter, 0.9 * unit_));
    for (const double level : TicksBetween(bottomLevel_, topLevel_, levelStep_)) {
        const double y = yOf(level);
        painter.setPen(QPen(kGrid, 0.05 * unit_));
        painter.drawLine(QPointF(frame_.left(), y), QPointF(frame_.right(), y));
        painter.setPen(QPen(kAxis, 0.08 * unit_));
        painter.drawLine(QPointF(frame_.left() - 0.35 * unit_, y), QPointF(frame_.left(), y));
        const QRectF label(frame_.left() - 3.6 * unit_, y - unit_, 3.0 * unit_, 2 * unit_);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, Number(level, levelStep_));
    }
    painter.save();
    painter.translate(area_.left() + 0.9 * unit_, frame_.center().y());
    painter.rotate(-90);
    painter.setFont(FontOf(painter, unit_));
    painter.drawText(QRectF(-frame_.height() / 2, -unit_, frame_.height(), 2 * unit_),
                     Qt::AlignCenter, words_.levelAxis);
    painter.restore();
}

void SweepPlot::paintFrequencyAxes(QPainter& painter) const {
    const QFont tickFont = FontOf(painter, 0.9 * unit_);
    const QFont titleFont = FontOf(painter, unit_);
    const double step = NiceStep(std::abs(rightMHz_ - leftMHz_) / kTicksWanted);
    painter.setFont(tickFont);
    for (const double mhz : TicksBetween(leftMHz_, rightMHz_, step)) {
        const double x = xOf(mhz);
        painter.setPen(QPen(kGrid, 0.05 * unit_));
        painter.drawLine(QPointF(x, frame_.top()), QPointF(x, frame_.bottom()));
        painter.setPen(QPen(kAxis, 0.08 * unit_));
        painter.drawLine(QPointF(x, frame_.bottom()), QPointF(x, frame_.bottom() + 0.35 * unit_));
        painter.drawText(QRectF(x - 3 * unit_, frame_.bottom() + 0.45 * unit_, 6 * unit_, unit_),
                         Qt::AlignHCenter | Qt::AlignTop, Number(mhz, step));
    }
    painter.setFont(titleFont);
    painter.drawText(
        QRectF(frame_.left(), frame_.bottom() + 1.9 * unit_, frame_.width(), 1.4 * unit_),
        Qt::AlignHCenter | Qt::AlignTop, words_.ifAxis);

    if (!hasRfAxis()) {
        return;
    }
    const double rfLeft = *rfLeft_;
    const double rfRight = *rfRight_;
    const double rfStep = NiceStep(std::abs(rfRight - rfLeft) / kTicksWanted);
    painter.setFont(tickFont);
    for (const double rf : TicksBetween(rfLeft, rfRight, rfStep)) {
        const double x = frame_.left() + (rf - rfLeft) / (rfRight - rfLeft) * frame_.width();
        painter.drawLine(QPointF(x, frame_.top() - 0.35 * unit_), QPointF(x, frame_.top()));
        painter.drawText(QRectF(x - 3 * unit_, frame_.top() - 1.45 * unit_, 6 * unit_, unit_),
                         Qt::AlignHCenter | Qt::AlignBottom, Number(rf, rfStep));
    }
    painter.setFont(titleFont);
    painter.drawText(QRectF(frame_.left(), area_.top(), frame_.width(), 1.6 * unit_),
                     Qt::AlignHCenter | Qt::AlignTop,
                     words_.rfAxis.arg(QString::number(*loMHz_, 'f', 0)));
}

void SweepPlot::paintCarriers(QPainter& painter) const {
    const QFont font = FontOf(painter, 0.85 * unit_, true);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    // Numbers of carriers close together go a row lower rather than over each other.
    std::vector<double> rowEnds;
    for (std::size_t i = 0; i < analysis_.carriers.size(); ++i) {
        const analysis::Carrier& carrier = analysis_.carriers[i].carrier;
        const double half = carrier.bandwidthMHz / 2;
        const double x1 = xOf(carrier.centreMHz - half);
        const double x2 = xOf(carrier.centreMHz + half);
        const double top = frame_.top();
        painter.fillRect(
            QRectF(QPointF(std::min(x1, x2), top), QPointF(std::max(x1, x2), frame_.bottom())),
            kCarrierBand);
        const double x = xOf(carrier.centreMHz);
        painter.setPen(QPen(kCarrierLine, 0.1 * unit_));
        painter.drawLine(QPointF(x, top), QPointF(x, frame_.bottom()));

        const QString number = QString::number(i + 1);
        const double width = std::max(1.5 * unit_, metrics.horizontalAdvance(number) + 0.7 * unit_);
        const double left = x - width / 2;
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] > left && row < 2) {
            ++row;
        }
        if (row == rowEnds.size()) {
            rowEnds.push_back(0);
        }
        rowEnds[row] = left + width + 0.2 * unit_;
        const QRectF badge(left, top + (0.3 + 1.5 * static_cast<double>(row)) * unit_, width,
                           1.3 * unit_);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(badge, 0.3 * unit_, 0.3 * unit_);
        painter.setPen(kAxis);
        painter.drawText(badge, Qt::AlignCenter, number);
    }
    painter.setBrush(Qt::NoBrush);
}

QPen SweepPlot::floorPen() const {
    return QPen(kFloor, 0.1 * unit_, Qt::DashLine);
}

void SweepPlot::paintFloor(QPainter& painter) const {
    if (!analysis_.floor) {
        return;
    }
    const double y = yOf(*analysis_.floor);
    painter.setPen(floorPen());
    painter.drawLine(QPointF(frame_.left(), y), QPointF(frame_.right(), y));
}

// The floor's value in the margin under the plot, right-aligned: inside the plot it would
// cover the trace.
void SweepPlot::paintLegend(QPainter& painter) const {
    if (!analysis_.floor) {
        return;
    }
    const QFont font = FontOf(painter, 0.85 * unit_);
    const QString text = words_.floor.arg(*analysis_.floor, 0, 'f', 1);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    const QRectF line(frame_.right() - width, frame_.bottom() + 1.9 * unit_, width, 1.4 * unit_);
    painter.setFont(font);
    painter.setPen(kAxis);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, text);
    const double y = line.top() + 0.55 * unit_;
    painter.setPen(floorPen());
    painter.drawLine(QPointF(line.left() - 2.4 * unit_, y), QPointF(line.left() - 0.4 * unit_, y));
}

void SweepPlot::paintTrace(QPainter& painter) const {
    QPen pen(kTrace, 0.14 * unit_);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    // Points without a level break the line; a lone point between such gaps is a dot.
    QPolygonF run;
    const auto flush = [&] {
        if (run.size() == 1) {
            painter.drawPoint(run.front());
        } else if (run.size() > 1) {
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (const analysis::SweepPoint& point : analysis_.sweep.points) {
        if (point.level == 0) {
            flush();
            continue;
        }
        run << QPointF(xOf(point.frequencyMHz), yOf(point.level));
    }
    flush();
}

void SweepPlot::paintCursor(QPainter& painter, int point) const {
    const auto& points = analysis_.sweep.points;
    if (!hasData_ || point < 0 || point >= static_cast<int>(points.size())) {
        return;
    }
    const analysis::SweepPoint& at = points[static_cast<std::size_t>(point)];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double x = xOf(at.frequencyMHz);
    painter.setPen(QPen(kAxis, 0.06 * unit_, Qt::DotLine));
    painter.drawLine(QPointF(x, frame_.top()), QPointF(x, frame_.bottom()));
    if (at.level != 0) {
        painter.setPen(QPen(kAxis, 0.1 * unit_));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(x, yOf(at.level)), 0.3 * unit_, 0.3 * unit_);
    }
    painter.restore();
}

std::optional<SweepReading> SweepPlot::readingAt(QPointF at) const {
    if (!hasData_ || !frame_.contains(at)) {
        return std::nullopt;
    }
    const auto& points = analysis_.sweep.points;
    const double fraction = (at.x() - frame_.left()) / frame_.width();
    const int last = static_cast<int>(points.size()) - 1;
    const int point = std::clamp(static_cast<int>(std::lround(fraction * last)), 0, last);
    const analysis::SweepPoint& nearest = points[static_cast<std::size_t>(point)];
    return SweepReading{leftMHz_ + fraction * (rightMHz_ - leftMHz_), point, nearest.frequencyMHz,
                        nearest.level};
}

}  // namespace mirelta
