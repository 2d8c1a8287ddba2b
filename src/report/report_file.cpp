#include "report/report_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <span>

#include "report/report_painter.h"

namespace mirelta {
namespace {

constexpr int kReportDpi = 300;

ReportContent ContentOf(const ReportRequest& request, const RecordLists& lists) {
    const QFileInfo file(QString::fromStdString(request.sourcePath));
    ReportContent content;
    content.title = request.title.isEmpty() ? CaptionText(Caption::DefaultTitle, request.language)
                                            : request.title;
    content.fileName = file.fileName();
    content.fileDate = file.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    content.language = request.language;
    content.findCount = lists.findCount;
    content.constellationCount = lists.constellationCount;
    content.spectrumCount = lists.spectrumCount;
    return content;
}

}  // namespace

ReportPdf MakeReportPdf(const ReportRequest& request, const ReportProgress& progress) {
    ReportPdf pdf;
    SnapshotCamera camera;
    if (!camera.open(request.sourcePath, pdf.message)) {
        return pdf;
    }
    ReportContent content = ContentOf(request, camera.logic.lists);
    content.rows = CollectSnapshots(camera, request.thresholds, request.language, progress);

    QBuffer buffer(&pdf.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(content.title);
        writer.setCreator(QStringLiteral("Mirelta"));
        writer.setResolution(kReportDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter(&writer);
        PaintReport(painter, writer, content);
    }
    pdf.ok = true;
    return pdf;
}

SaveResult WriteReportFile(const ReportRequest& request, const std::filesystem::path& output,
                           const ReportProgress& progress) {
    const ReportPdf pdf = MakeReportPdf(request, progress);
    if (!pdf.ok) {
        return {false, pdf.message};
    }
    return WriteFileAtomically(
        output, std::span(reinterpret_cast<const std::uint8_t*>(pdf.bytes.constData()),
                          static_cast<std::size_t>(pdf.bytes.size())));
}

}  // namespace mirelta
