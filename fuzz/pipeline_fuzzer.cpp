// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the whole road from file to picture. The input is a source file; bytes past
// the image's size are a script of window events. One window's logic serves every input, brought
// back to the same starting state each time, so an input replays alike on its own.
#include <unistd.h>

#include <QGuiApplication>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bmp_checks.h"
#include "data/source_image.h"
#include "export/bmp_writer.h"
#include "fuzz_check.h"
#include "platform/window_template.h"
#include "screens/headless_driver.h"

namespace mirelta::fuzz {
namespace {

constexpr std::size_t kMaxSteps = 32;
// Screen and language changes repaint the whole window, by far the dearest steps; a few per input
// reach every screen and language while keeping the target fast.
constexpr int kMostWholeRepaints = 4;
constexpr std::size_t kMostBrushes = 32;  // far more than the screens' colours

struct Window {
    Window() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        driver = std::make_unique<HeadlessDriver>();
        const char* shm = "/dev/shm";
        path = (std::filesystem::is_directory(shm) ? std::filesystem::path(shm)
                                                   : std::filesystem::temp_directory_path()) /
               ("mirelta_pipeline_" + std::to_string(::getpid()) + ".dat");
    }
    ~Window() { std::filesystem::remove(path); }

    int argc = 1;
    char name[16] = "pipeline_fuzzer";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    std::unique_ptr<HeadlessDriver> driver;
    std::filesystem::path path;
};

Window& TheWindow() {
    static Window window;
    return window;
}

// Mask bits counted straight from the file's bytes at the format's offsets.
int MaskBits(const std::uint8_t* data, std::size_t offset, int bytes) {
    int bits = 0;
    for (int k = 0; k < bytes; ++k) {
        bits += std::popcount(data[offset + static_cast<std::size_t>(k)]);
    }
    return bits;
}

void CheckLists(const Document& logic, const std::uint8_t* data) {
    const std::uint32_t signature = static_cast<std::uint32_t>(data[0]) | data[1] << 8 |
                                    data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    const bool valid = signature == kValidSignature;
    Check(logic.controls().itemCount(ids::ConstellationList) == (valid ? MaskBits(data, 4, 2) : 0),
          "constellation list length");
    Check(logic.controls().itemCount(ids::SpectrumList) == (valid ? MaskBits(data, 33033, 4) : 0),
          "spectrum list length");
    Check(logic.controls().itemCount(ids::FindList) == (valid ? MaskBits(data, 39569, 4) : 0),
          "find list length");
}

void CheckState(const Document& logic) {
    Check(logic.spectrum().RefLevelBottom() >= 0 && logic.spectrum().RefLevelBottom() <= 70 &&
              logic.spectrum().RefLevelTop() == logic.spectrum().RefLevelBottom() + 30 &&
              logic.spectrum().RefLevelBottom() % 5 == 0,
          "reference window");
    Check(logic.brushCount() <= kMostBrushes, "control brushes");
}

void EncodeEachDepth(Document& logic, int a, int b) {
    const QImage& replica = logic.clientImage();
    const int x = a * 720 / 256;
    const int y = b * 480 / 256;
    const int width = std::min(1 + a * 7 % 64, 720 - x);
    const int height = std::min(1 + b * 5 % 48, 480 - y);
    const QImage crop = replica.copy(x, y, width, height);
    for (const int depth : {16, 24, 32}) {
        CheckBmp(EncodeBmp(crop, depth), crop, depth);
    }
}

void PickRecord(Document& logic, int a) {
    const int list = logic.ScreenMode() == ScreenKind::Find            ? ids::FindList
                     : logic.ScreenMode() == ScreenKind::Constellation ? ids::ConstellationList
                                                                       : ids::SpectrumList;
    if (const int count = logic.controls().itemCount(list); count > 0) {
        logic.choose(list, a % count);
    }
}

void RunStep(Document& logic, std::uint8_t op, std::uint8_t a, std::uint8_t b,
             int& wholeRepaintsLeft) {
    switch (op % 8) {
        case 0:
            if (wholeRepaintsLeft > 0 && static_cast<int>(logic.ScreenMode()) != a % 3) {
                --wholeRepaintsLeft;
                logic.choose(ids::UiList, a % 3);
            }
            break;
        case 1:
            PickRecord(logic, a);
            break;
        case 2:
            if (wholeRepaintsLeft > 0 && static_cast<int>(logic.Language()) != a % 2) {
                --wholeRepaintsLeft;
                logic.choose(ids::LanguageList, a % 2);
            }
            break;
        case 3:
            logic.RefLevelByWheel(static_cast<std::int16_t>(a << 8 | b));
            break;
        case 4:
            logic.TrackCursor(QPoint(a * 3, b * 2));
            logic.RedrawTrace();
            break;
        case 5:
            if (a % 2 != 0) {
                logic.click(ids::Up);
            } else {
                logic.click(ids::Down);
            }
            break;
        case 6:
            EncodeEachDepth(logic, a, b);
            break;
        default:
            logic.RefreshCursorReadout();
            break;
    }
}

// The start of every input: Find screen, English, the reference window at 70/40, no pointer.
// Opening shows the Find screen already; steps that change nothing are skipped for speed.
void Reset(Document& logic) {
    if (logic.ScreenMode() != ScreenKind::Find) {
        logic.choose(ids::UiList, 0);
    }
    if (logic.Language() != UiLanguage::English) {
        logic.choose(ids::LanguageList, 0);
    }
    logic.StepRefLevelTo(40);
    logic.TrackCursor(QPoint(0, 0));
}

}  // namespace
}  // namespace mirelta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using namespace mirelta::fuzz;
    Window& window = TheWindow();
    std::FILE* file = std::fopen(window.path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ScriptedPrompts& prompts = window.driver->prompts();
    prompts.messages.clear();
    prompts.details.clear();
    Document& document = window.driver->document();
    const bool opened = document.OpenPath(window.path.string()).ok();
    Check(opened == (size >= kSourceImageSize), "only a short file fails to open");
    if (!opened) {
        Check(prompts.messages.size() == 1 && prompts.messages[0].starts_with("Read file error!"),
              "short file message");
        return 0;
    }
    Check(prompts.messages.empty(), "no message for a whole file");
    CheckLists(document, data);
    Reset(document);
    const std::size_t steps = std::min((size - kSourceImageSize) / 3, kMaxSteps);
    int wholeRepaintsLeft = kMostWholeRepaints;
    for (std::size_t k = 0; k < steps; ++k) {
        const std::uint8_t* step = data + kSourceImageSize + 3 * k;
        RunStep(document, step[0], step[1], step[2], wholeRepaintsLeft);
        CheckState(document);
    }
    EncodeEachDepth(document, size % 256, data[size - 1]);
    CheckLists(document, data);
    return 0;
}
