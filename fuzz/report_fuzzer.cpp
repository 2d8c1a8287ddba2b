// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the PDF report of any image. The input's first bytes are the image; after it
// come the language, the pass and fail margins (one byte each, scaled into the range settings
// allow) and the title. Whatever they hold, the report is a whole PDF file.
//
// Each snapshot costs a page and a picture, some seven seconds under the sanitizers for a full
// image, close to the fuzzer's deadline: only the first few snapshots of each kind are kept, so
// that the fuzzer tries many images rather than few. The command-line tests read back the demo
// file's whole report.
#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "data/source_image.h"
#include "fuzz_check.h"
#include "report/report_file.h"

namespace mirelta::fuzz {
namespace {

struct Painter {
    Painter() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    int argc = 1;
    char name[16] = "report_fuzzer";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

constexpr int kMostSnapshotsPerKind = 4;

// The slot masks' places in the image: constellation, spectrum, find.
struct Mask {
    std::size_t offset;
    std::size_t bytes;
};
constexpr Mask kMasks[] = {{4, 2}, {33033, 4}, {39569, 4}};

// Clears every mask bit after the first kMostSnapshotsPerKind set ones.
void KeepFirstSnapshots(SourceImage& image) {
    for (const Mask& mask : kMasks) {
        int kept = 0;
        for (std::size_t k = 0; k < mask.bytes; ++k) {
            std::uint8_t& byte = image.bytes[mask.offset + k];
            for (int bit = 0; bit < 8; ++bit) {
                const auto value = static_cast<std::uint8_t>(1U << bit);
                if ((byte & value) != 0 && ++kept > kMostSnapshotsPerKind) {
                    byte = static_cast<std::uint8_t>(byte & ~value);
                }
            }
        }
    }
}

// -50 to +50 dB, as the settings accept.
double MarginOf(std::uint8_t byte) {
    return byte * 100.0 / 255.0 - 50.0;
}

ReportRequest RequestOf(const SourceImage& image, const std::uint8_t* tail, std::size_t size) {
    ReportRequest request;
    request.sourcePath = "fuzz.dat";
    request.image = &image;
    if (size >= 1) {
        request.language = tail[0] % 2 == 0 ? ReportLanguage::English : ReportLanguage::French;
    }
    if (size >= 3) {
        const double pass = MarginOf(tail[1]);
        request.thresholds = {.passMargin = pass, .failMargin = std::min(pass, MarginOf(tail[2]))};
    }
    if (size > 3) {
        request.title = QString::fromUtf8(reinterpret_cast<const char*>(tail + 3),
                                          static_cast<qsizetype>(size - 3));
    }
    return request;
}

bool IsWholePdf(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && (pdf.endsWith("%%EOF") || pdf.endsWith("%%EOF\n"));
}

}  // namespace
}  // namespace mirelta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using namespace mirelta::fuzz;
    static const Painter painter;
    // A shorter file fails to read before any report: the load target covers that.
    if (size < kSourceImageSize) {
        return 0;
    }
    auto image = std::make_unique<SourceImage>();
    std::memcpy(image->bytes.data(), data, kSourceImageSize);
    KeepFirstSnapshots(*image);
    const ReportRequest request =
        RequestOf(*image, data + kSourceImageSize, size - kSourceImageSize);
    Check(IsWholePdf(MakeReportPdf(request)), "the report is a whole PDF file");
    return 0;
}
