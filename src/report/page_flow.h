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

// What every page carries at its foot: "page x of y", the software and the file's hash.
struct PageFooter {
    QString left;    // the software and its version
    QString right;   // the meter file's SHA-256
    QString pageOf;  // "page %1 of %2"
    int pages = 0;   // 0 while the pages are still being counted
};

// Lays text out from the top of each page down, above the footer.
class PageFlow {
  public:
    PageFlow(QPainter& painter, QPagedPaintDevice& device, PageFooter footer = {});

    double mm(double millimetres) const;
    double width() const;
    double height() const;
    double y() const { return y_; }
    void advance(double by) { y_ += by; }
    bool fits(double height) const;
    void newPage();
    // The last page's footer; the count of pages painted.
    int finish();

    // One line (or wrapped paragraph) across the page.
    void line(const QString& text, const QFont& font);

    // A framed table cell at `box`, its text left-aligned and wrapped.
    void cell(const QRectF& box, const QString& text, const QColor& fill);

    // A grey frame across the page around what was painted since `top`, and a gap after it.
    void frameBlock(double top);

  private:
    void paintFooter();

    QPainter& painter_;
    QPagedPaintDevice& device_;
    PageFooter footer_;
    double y_ = 0;
    int page_ = 1;
};

}  // namespace mirelta
