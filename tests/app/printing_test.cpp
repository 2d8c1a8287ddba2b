// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through QPrinter's own PDF output, read back with poppler's tools.
#include "app/printing.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"

namespace mirelta {
namespace {

std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char chunk[4096];
    while (pipe && std::fgets(chunk, sizeof chunk, pipe.get()) != nullptr) {
        out += chunk;
    }
    return out;
}

ReportRequest RequestFor(const std::string& name, const SourceImage& image) {
    ReportRequest request;
    request.sourcePath = name;
    request.image = &image;
    return request;
}

class PrintToPdf : public ::testing::Test {
  protected:
    QPrinter& printer(const std::string& name) {
        pdf = folder / name;
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(QString::fromStdString(pdf.string()));
        return printer_;
    }
    std::string pages() const {
        return Output("pdfinfo '" + pdf.string() + "' | sed -n 's/^Pages: *//p'");
    }

    fixtures::ScratchFolder folder;
    std::filesystem::path pdf;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(PrintToPdf, ReplicaFillsOnePageWithItsOwnPixels) {
    QImage replica(720, 480, QImage::Format_RGB32);
    replica.fill(QColor(58, 116, 116));
    PrintReplica(printer("replica.pdf"), replica);
    EXPECT_EQ(pages(), "1\n");
    const std::string images = Output("pdfimages -list '" + pdf.string() + "'");
    EXPECT_NE(images.find("720   480  rgb     3   8  image"), std::string::npos) << images;
}

TEST_F(PrintToPdf, WholeReportHasASummaryAPagePerSnapshotAndTheSweepsAnalysis) {
    fixtures::ImageBuilder image;
    image.addFind(0, {.label = "one"}).addFind(3, {.label = "two"}).addSpectrum(1, {});
    const SourceImage source = image.image();
    PrintReport(printer("report.pdf"), RequestFor("three.dat", source));
    EXPECT_EQ(pages(), "5\n");
    const std::string text = Output("pdftotext -layout -f 1 -l 1 '" + pdf.string() + "' -");
    EXPECT_NE(text.find("0 PASS, 0 MARGINAL, 0 FAIL, 2 NO LOCK, 1 not rated"), std::string::npos)
        << text;
}

}  // namespace
}  // namespace mirelta
