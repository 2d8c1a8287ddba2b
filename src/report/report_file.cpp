// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <span>

#include "export/output_file.h"
#include "report/analysis_page.h"
#include "report/report_painter.h"

namespace mirelta {
namespace {

constexpr int kReportDpi = 300;

ReportContent ContentOf(const ReportRequest& request, const RecordLists& lists) {
    const QFileInfo file(QString::fromStdString(request.sourcePath));
    ReportContent content;
    content.title = ReportTitle(request);
    content.fileName = file.fileName();
    content.fileDate = file.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    content.language = request.language;
    content.findCount = lists.findCount;
    content.constellationCount = lists.constellationCount;
    content.spectrumCount = lists.spectrumCount;
    content.spectra = analysis::AnalyseSpectra(lists, request.analysis);
    content.loMHz = request.analysis.loMHz;
    content.job = request.job;
    content.satellite = request.satellite;
    content.thresholds = request.thresholds;
    content.transponders = TransponderRows(lists, SnapshotModel(lists, request.thresholds),
                                           content.spectra, request.language);
    const auto& bytes = request.image->bytes;
    content.sha256 = QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256)
            .toHex());
    return content;
}

}  // namespace

QString ReportTitle(const ReportRequest& request) {
    return request.title.isEmpty() ? CaptionText(Caption::DefaultTitle, request.language)
                                   : request.title;
}

void PaintReportOn(QPagedPaintDevice& device, const ReportRequest& request,
                   const ReportProgress& progress) {
    HeadlessDriver camera;
    camera.open(request.sourcePath, *request.image);
    ReportContent content = ContentOf(request, camera.document().lists());
    content.rows = CollectSnapshots(camera, request.thresholds, request.language, progress);
    // A sweep's summary row tells how many carriers stand on it.
    for (SnapshotRow& row : content.rows) {
        const auto index = static_cast<std::size_t>(row.index);
        if (row.kind == ScreenKind::Spectrum && index < content.spectra.size()) {
            row.mode = CarrierCountText(content.spectra[index].carriers.size(), request.language);
        }
    }
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // "page x of y" needs y first: the same pages laid out on a scratch PDF of the same
    // resolution count them.
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter counter(&scratch);
    counter.setResolution(device.logicalDpiX());
    counter.setPageLayout(layout);
    int pages = 0;
    {
        QPainter painter(&counter);
        pages = PaintReport(painter, counter, content, 0);
    }
    device.setPageLayout(layout);
    QPainter painter(&device);
    PaintReport(painter, device, content, pages);
}

QByteArray MakeReportPdf(const ReportRequest& request, const ReportProgress& progress) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Mirelta"));
    writer.setResolution(kReportDpi);
    writer.setTitle(ReportTitle(request));
    PaintReportOn(writer, request, progress);
    return pdf;
}

SaveResult WriteReportFile(const ReportRequest& request, const std::filesystem::path& output,
                           const ReportProgress& progress) {
    const QByteArray pdf = MakeReportPdf(request, progress);
    return WriteOutputFile(output, std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                             static_cast<std::size_t>(pdf.size())));
}

}  // namespace mirelta
