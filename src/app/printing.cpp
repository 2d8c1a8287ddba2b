// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing.h"

#include <QPainter>
#include <QPrinter>

namespace mirelta {

void PrintReplica(QPrinter& printer, const QImage& replica) {
    printer.setDocName(QStringLiteral("Mirelta"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect page = painter.viewport();
    const QSize size = replica.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(replica.rect());
    painter.drawImage(0, 0, replica);
}

void PrintReport(QPrinter& printer, const ReportRequest& request) {
    printer.setDocName(ReportTitle(request));
    PaintReportOn(printer, request);
}

}  // namespace mirelta
