#include "screens/spectrum_screen.h"

#include <array>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/main_window_logic.h"
#include "screens/spectrum_plot.h"
#include "screens/text_table.h"
#include "screens/value_format.h"

namespace mirelta {

namespace {

constexpr int kSpanLabel = 1034;
constexpr int kLeftEdgeLabel = 1024;
constexpr int kCursorFrequencyLabel = 1026;
constexpr int kRightEdgeLabel = 1027;
constexpr int kCursorLevelLabel = 1031;

// FreqStep and the span caption by span code; unknown codes keep the full span's step and have
// no caption of their own.
struct Span {
    std::int16_t freqStep;
    const char* text;  // null for an unknown code
};

Span SpanOf(std::uint8_t code) {
    switch (code) {
        case 0:
            return {8, "FULL"};
        case 1:
            return {2, "200 MHz"};
        case 2:
            return {4, "400 MHz"};
        default:
            return {8, nullptr};
    }
}

struct IconPlace {
    int id;
    Rect rect;
};

constexpr std::array<IconPlace, 9> kIcons{{
    {1017, {625, 18, 667, 38}},
    {1016, {576, 14, 616, 44}},
    {1022, {65, 60, 75, 340}},
    {1039, {65, 342, 81, 358}},
    {1041, {30, 444, 70, 474}},
    {1020, {175, 444, 215, 474}},
    {1040, {280, 444, 320, 474}},
    {1021, {405, 444, 445, 474}},
    {1038, {560, 444, 600, 474}},
}};

// Scale labels from the top of the window down.
constexpr std::array<Rect, spectrum_plot::kScaleLabels> kScaleRects{{
    {10, 50, 65, 80},
    {10, 92, 65, 122},
    {10, 137, 65, 167},
    {10, 185, 65, 215},
    {10, 231, 65, 261},
    {10, 281, 65, 311},
    {10, 323, 65, 353},
}};

constexpr std::array kShown{1001, 1002, 1003, 1004, 1008, 1009, 1010, 1011, 1012, 1013, 1014,
                            1016, 1017, 1020, 1021, 1022, 1024, 1025, 1026, 1027, 1030, 1031,
                            1034, 1035, 1036, 1038, 1039, 1040, 1041, 1046, 1047};
constexpr std::array kHidden{1005, 1006, 1007, 1015, 1018, 1019, 1028, 1029, 1032, 1033, 1037,
                             1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057};

std::string MegahertzText(std::int32_t frequency) {
    return Printf("%dMHz", frequency);
}

std::string LevelText(std::int32_t level) {
    return Printf("%d dBuV", level);
}

}  // namespace

void SpectrumScreen::layout() {
    const SpectrumRecord& record = window_.selectedSpectrum();
    const auto label = [this](int id, Rect rect, int textId, int style,
                              std::optional<std::string> text = std::nullopt) {
        if (window_.controls().has(id)) {
            window_.SetLabel(id, rect, textId, style, std::move(text));
        }
    };

    label(ids::ContentPanel, spectrum_plot::kPlot, text_id::Empty, kStyleUnchanged);
    for (const IconPlace& icon : kIcons) {
        if (window_.controls().has(icon.id)) {
            window_.controls().move(icon.id, icon.rect);
        }
    }
    for (int row = 0; row < static_cast<int>(kScaleRects.size()); ++row) {
        label(spectrum_plot::kFirstScaleLabel + row, kScaleRects[row], text_id::Custom, kAlignRight,
              spectrum_plot::ScaleText(window_.RefLevelBottom(), row));
    }
    label(kLeftEdgeLabel, {30, 361, 180, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.leftFrequency()));
    label(1025, {300, 361, 360, 391}, 31, kAlignCentre);
    label(kCursorFrequencyLabel, {361, 361, 511, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.cursorFrequency()));
    label(kRightEdgeLabel, {550, 361, 700, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.rightFrequency()));
    label(1030, {301, 394, 361, 426}, 32, kAlignLeft);
    label(kCursorLevelLabel, {361, 394, 469, 426}, text_id::Custom, kAlignCentre,
          LevelText(record.cursorLevel()));

    const Span span = SpanOf(record.spanCode());
    window_.FreqStep() = span.freqStep;
    // Without a caption of its own the custom text shows "...".
    label(kSpanLabel, {75, 444, 175, 474}, text_id::Custom, kAlignLeft,
          span.text ? std::optional<std::string>(span.text) : std::nullopt);
    label(1035, {220, 444, 280, 474}, 34, kAlignLeft);
    label(1036, {325, 444, 405, 474}, 35, kAlignLeft);
    label(1046, {450, 444, 560, 474}, 36, kAlignLeft);
    label(1047, {605, 444, 720, 474}, 10, kAlignLeft);
}

void SpectrumScreen::show() {
    layout();
    for (int id : kShown) {
        window_.controls().show(id);
    }
    for (int id : kHidden) {
        window_.controls().hide(id);
    }
}

void SpectrumScreen::refresh() {
    const SpectrumRecord& record = window_.selectedSpectrum();
    const auto text = [this](int id, const std::string& value) {
        if (window_.controls().has(id)) {
            window_.controls().setText(id, value);
        }
    };
    text(kLeftEdgeLabel, MegahertzText(record.leftFrequency()));
    text(kCursorFrequencyLabel, MegahertzText(record.cursorFrequency()));
    text(kRightEdgeLabel, MegahertzText(record.rightFrequency()));
    text(kCursorLevelLabel, LevelText(record.cursorLevel()));
    const Span span = SpanOf(record.spanCode());
    text(kSpanLabel, span.text ? span.text : "");
    window_.FreqStep() = span.freqStep;
}

namespace {

// How a control of the Spectrum screen answers its colour query.
enum class SpectrumAnswer { Plot, ScaleOrEdge, ReadOut, BottomBar, Drawing };

SpectrumAnswer AnswerOf(int controlId) {
    if (controlId == ids::ContentPanel) {
        return SpectrumAnswer::Plot;
    }
    if ((controlId >= 1008 && controlId <= 1014) || (controlId >= 1024 && controlId <= 1027)) {
        return SpectrumAnswer::ScaleOrEdge;
    }
    if (controlId == 1030 || controlId == kCursorLevelLabel) {
        return SpectrumAnswer::ReadOut;
    }
    if (controlId == kSpanLabel || controlId == 1035 || controlId == 1036 || controlId == 1046 ||
        controlId == 1047) {
        return SpectrumAnswer::BottomBar;
    }
    return SpectrumAnswer::Drawing;
}

}  // namespace

bool SpectrumScreen::drawsGraphics(int controlId) const {
    return AnswerOf(controlId) == SpectrumAnswer::Drawing;
}

BrushHandle SpectrumScreen::answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) {
    switch (AnswerOf(controlId)) {
        case SpectrumAnswer::Plot:
            return &Brushes().InkBrush;
        case SpectrumAnswer::ScaleOrEdge:
            return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
        case SpectrumAnswer::ReadOut:
            return window_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
        case SpectrumAnswer::BottomBar:
            return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
        case SpectrumAnswer::Drawing:
            break;
    }
    // The drawing group: the separator under the title bar, then the trace.
    if (dc.drawsGraphics) {
        Canvas canvas = window_.clientCanvas();
        canvas.fillRect({0, 48, 720, 50}, Brushes().BlueBrush);
        window_.DrawSpectrumTrace();
    }
    return defaultAnswer;
}

// Only the separator under the title bar and the plot.
QRect SpectrumScreen::graphicsArea() const {
    return Rect{0, 48, kReplicaWidth, spectrum_plot::kPlot.bottom}.toQRect();
}

}  // namespace mirelta
