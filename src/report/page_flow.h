// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace mirelta {

// Liberation Sans for Latin text; WenQuanYi has the glyphs of the meter's Chinese labels, and
// the PDF embeds whichever a text needs.
QFont ReportFont(double points, bool bold = false);

// Lays text out from the top of each page down.
class PageFlow {
  public:
    PageFlow(QPainter& painter, QPagedPaintDevice& device);

    double mm(double millimetres) const;
    double width() const;
    double height() const;
    double y() const { return y_; }
    void advance(double by) { y_ += by; }
    bool fits(double height) const;
    void newPage();

    // One line (or wrapped paragraph) across the page.
    void line(const QString& text, const QFont& font);

    // A framed table cell at `box`, its text left-aligned and wrapped.
    void cell(const QRectF& box, const QString& text, const QColor& fill);

  private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    double y_ = 0;
};

}  // namespace mirelta
