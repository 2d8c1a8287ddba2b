// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/job_block.h"

#include <QFontMetricsF>
#include <QPainter>
#include <utility>
#include <vector>

namespace mirelta {
namespace {

QString GpsText(const GpsPosition& gps) {
    return QStringLiteral("%1° %2, %3° %4")
        .arg(std::abs(gps.latitude), 0, 'f', 5)
        .arg(gps.latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'))
        .arg(std::abs(gps.longitude), 0, 'f', 5)
        .arg(gps.longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

std::vector<std::pair<Caption, QString>> Fields(const JobDetails& job) {
    std::vector<std::pair<Caption, QString>> fields{
        {Caption::Customer, job.customer},   {Caption::SiteAddress, job.siteAddress},
        {Caption::Installer, job.installer}, {Caption::JobDate, job.jobDate},
        {Caption::DishSize, job.dishSize},   {Caption::LnbModel, job.lnbModel},
    };
    if (job.gps) {
        fields.emplace_back(Caption::GpsPosition, GpsText(*job.gps));
    }
    fields.emplace_back(Caption::Notes, job.notes);
    std::erase_if(fields, [](const auto& field) { return field.second.trimmed().isEmpty(); });
    return fields;
}

}  // namespace

void PaintJobBlock(QPainter& painter, PageFlow& flow, const JobDetails& job,
                   ReportLanguage language) {
    const auto fields = Fields(job);
    if (fields.empty()) {
        return;
    }
    flow.line(CaptionText(Caption::JobDetails, language), ReportFont(12, true));
    const QFont font = ReportFont(9.5);
    painter.setFont(font);
    const double captionWidth = flow.mm(45);
    const double valueWidth = flow.width() - captionWidth - flow.mm(4);
    const double top = flow.y();
    for (const auto& [caption, value] : fields) {
        const QRectF room(captionWidth, flow.y(), valueWidth, flow.height() - flow.y());
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, value);
        painter.setFont(ReportFont(9.5, true));
        painter.drawText(QRectF(flow.mm(2), flow.y(), captionWidth, used.height()),
                         Qt::AlignLeft | Qt::AlignTop, CaptionText(caption, language));
        painter.setFont(font);
        painter.drawText(room, Qt::TextWordWrap, value);
        flow.advance(used.height() + flow.mm(0.8));
    }
    flow.frameBlock(top);
}

void PaintSignatureLines(QPainter& painter, PageFlow& flow, const JobDetails* job,
                         ReportLanguage language) {
    const double height = flow.mm(26);
    if (!flow.fits(height)) {
        flow.newPage();
    }
    flow.advance(flow.mm(4));
    const double half = flow.width() / 2;
    const std::pair<Caption, QString> people[] = {
        {Caption::SignatureInstaller, job != nullptr ? job->installer : QString()},
        {Caption::SignatureCustomer, job != nullptr ? job->customer : QString()},
    };
    for (int i = 0; i < 2; ++i) {
        const double left = half * i;
        const auto& [caption, name] = people[i];
        painter.setFont(ReportFont(10, true));
        QString heading = CaptionText(caption, language);
        if (!name.trimmed().isEmpty()) {
            heading += QStringLiteral(": ") + name;
        }
        painter.drawText(QPointF(left, flow.y() + flow.mm(4)), heading);
        painter.setFont(ReportFont(8.5));
        painter.drawText(QPointF(left, flow.y() + flow.mm(9)),
                         CaptionText(Caption::SignatureDate, language));
        painter.drawLine(QPointF(left, flow.y() + flow.mm(21)),
                         QPointF(left + half - flow.mm(12), flow.y() + flow.mm(21)));
    }
    flow.advance(height - flow.mm(4));
}

}  // namespace mirelta
