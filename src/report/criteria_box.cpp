// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/criteria_box.h"

#include <QPainter>

namespace mirelta {
namespace {

QString Db(double value, ReportLanguage language) {
    QString text = QString::number(value, 'f', 1);
    return language == ReportLanguage::French ? text.replace(QLatin1Char('.'), QLatin1Char(','))
                                              : text;
}

}  // namespace

void PaintCriteriaBox(QPainter& painter, PageFlow& flow, const Thresholds& thresholds,
                      ReportLanguage language) {
    const QStringList lines{
        CaptionText(Caption::CriteriaDvbS, language),
        CaptionText(Caption::CriteriaDvbS2, language).arg(Db(thresholds.s2Allowance, language)),
        CaptionText(Caption::CriteriaMargins, language)
            .arg(Db(thresholds.passMargin, language), Db(thresholds.failMargin, language)),
        CaptionText(Caption::CriteriaConstellation, language),
        CaptionText(Caption::CriteriaNoLock, language),
    };
    flow.line(CaptionText(Caption::Criteria, language), ReportFont(12, true));
    const double top = flow.y();
    const double pad = flow.mm(2);
    painter.setFont(ReportFont(9));
    for (const QString& line : lines) {
        const QRectF room(pad, flow.y(), flow.width() - 2 * pad, flow.height() - flow.y());
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, line);
        painter.drawText(room, Qt::TextWordWrap, line);
        flow.advance(used.height() + flow.mm(0.6));
    }
    flow.frameBlock(top);
}

}  // namespace mirelta
