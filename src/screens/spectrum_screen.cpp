// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/spectrum_screen.h"

#include <array>

#include "format/reading_texts.h"
#include "format/value_format.h"
#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/spectrum_plot.h"
#include "screens/text_table.h"

namespace mirelta {

namespace {

struct IconPlace {
    int id;
    Rect rect;
};

constexpr std::array<IconPlace, 9> kIcons{{
    {ids::Battery, {625, 18, 667, 38}},
    {ids::Icon22k, {576, 14, 616, 44}},
    {ids::Ruler, {65, 60, 75, 340}},
    {ids::Marker, {65, 342, 81, 358}},
    {ids::F1Key, {30, 444, 70, 474}},
    {ids::F2Key, {175, 444, 215, 474}},
    {ids::F3Key, {280, 444, 320, 474}},
    {ids::F4Key, {405, 444, 445, 474}},
    {ids::OkKey, {560, 444, 600, 474}},
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

constexpr std::array kShown{ids::ScreenArea,
                            ids::BottomBar,
                            ids::Title,
                            ids::ContentPanel,
                            ids::spectrum::Scale1,
                            ids::spectrum::Scale2,
                            ids::spectrum::Scale3,
                            ids::spectrum::Scale4,
                            ids::spectrum::Scale5,
                            ids::spectrum::Scale6,
                            ids::spectrum::Scale7,
                            ids::Icon22k,
                            ids::Battery,
                            ids::F2Key,
                            ids::F4Key,
                            ids::Ruler,
                            ids::spectrum::LeftEdge,
                            ids::spectrum::CursorCaption,
                            ids::spectrum::CursorFrequency,
                            ids::spectrum::RightEdge,
                            ids::spectrum::MarkerCaption,
                            ids::spectrum::CursorLevel,
                            ids::spectrum::Span,
                            ids::spectrum::LnbCaption,
                            ids::spectrum::HorCaption,
                            ids::OkKey,
                            ids::Marker,
                            ids::F3Key,
                            ids::F1Key,
                            ids::spectrum::AnalyzeCaption,
                            ids::spectrum::SearchCaption};
// The Find screen's labels that this screen leaves unused, and the icons it does not show.
constexpr std::array kHidden{ids::find::SaveLnbCaption,
                             ids::find::ConfirmCaption,
                             ids::find::ExitCaption,
                             ids::Icon13v,
                             ids::Icon18v,
                             ids::ExitKey,
                             ids::find::LoHigh,
                             ids::find::Frequency,
                             ids::find::SearchOk,
                             ids::find::Lock,
                             ids::find::AddTpCaption,
                             ids::find::CnCaption,
                             ids::find::Cn,
                             ids::find::BerCaption,
                             ids::find::Ber,
                             ids::find::FecCaption,
                             ids::find::Fec,
                             ids::find::StrengthCaption,
                             ids::find::Strength,
                             ids::find::QualityCaption,
                             ids::find::Quality};

std::string MegahertzText(std::int32_t frequency) {
    return Printf("%dMHz", frequency);
}

std::string LevelText(std::int32_t level) {
    return Printf("%d dBuV", level);
}

}  // namespace

void SpectrumScreen::layout() {
    const SpectrumRecord& record = *record_;
    const auto label = [this](int id, Rect rect, int textId, int style,
                              std::optional<std::string> text = std::nullopt) {
        if (context_.controls().has(id)) {
            context_.SetLabel(id, rect, textId, style, std::move(text));
        }
    };

    label(ids::ContentPanel, spectrum_plot::kPlot, text_id::Empty, kStyleUnchanged);
    for (const IconPlace& icon : kIcons) {
        if (context_.controls().has(icon.id)) {
            context_.controls().move(icon.id, icon.rect);
        }
    }
    for (int row = 0; row < static_cast<int>(kScaleRects.size()); ++row) {
        label(spectrum_plot::kFirstScaleLabel + row, kScaleRects[row], text_id::Custom, kAlignRight,
              spectrum_plot::ScaleText(RefLevelBottom_, row));
    }
    label(ids::spectrum::LeftEdge, {30, 361, 180, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.leftFrequency()));
    label(ids::spectrum::CursorCaption, {300, 361, 360, 391}, 31, kAlignCentre);
    label(ids::spectrum::CursorFrequency, {361, 361, 511, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.cursorFrequency()));
    label(ids::spectrum::RightEdge, {550, 361, 700, 391}, text_id::Custom, kAlignCentre,
          MegahertzText(record.rightFrequency()));
    label(ids::spectrum::MarkerCaption, {301, 394, 361, 426}, 32, kAlignLeft);
    label(ids::spectrum::CursorLevel, {361, 394, 469, 426}, text_id::Custom, kAlignCentre,
          LevelText(record.cursorLevel()));

    const SpanEntry span = SpanOf(record.spanCode());
    FreqStep_ = span.freqStep;
    // Without a caption of its own the custom text shows "...".
    label(ids::spectrum::Span, {75, 444, 175, 474}, text_id::Custom, kAlignLeft,
          span.text ? std::optional<std::string>(span.text) : std::nullopt);
    label(ids::spectrum::LnbCaption, {220, 444, 280, 474}, 34, kAlignLeft);
    label(ids::spectrum::HorCaption, {325, 444, 405, 474}, 35, kAlignLeft);
    label(ids::spectrum::AnalyzeCaption, {450, 444, 560, 474}, 36, kAlignLeft);
    label(ids::spectrum::SearchCaption, {605, 444, 720, 474}, 10, kAlignLeft);
}

void SpectrumScreen::show() {
    layout();
    for (int id : kShown) {
        context_.controls().show(id);
    }
    for (int id : kHidden) {
        context_.controls().hide(id);
    }
}

void SpectrumScreen::refresh() {
    const SpectrumRecord& record = *record_;
    const auto text = [this](int id, const std::string& value) {
        if (context_.controls().has(id)) {
            context_.controls().setText(id, value);
        }
    };
    text(ids::spectrum::LeftEdge, MegahertzText(record.leftFrequency()));
    text(ids::spectrum::CursorFrequency, MegahertzText(record.cursorFrequency()));
    text(ids::spectrum::RightEdge, MegahertzText(record.rightFrequency()));
    text(ids::spectrum::CursorLevel, LevelText(record.cursorLevel()));
    const SpanEntry span = SpanOf(record.spanCode());
    text(ids::spectrum::Span, span.text ? span.text : "");
    FreqStep_ = span.freqStep;
}

namespace {

// How a control of the Spectrum screen answers its colour query.
enum class SpectrumAnswer { Plot, ScaleOrEdge, ReadOut, BottomBar, Drawing };

SpectrumAnswer AnswerOf(int controlId) {
    if (controlId == ids::ContentPanel) {
        return SpectrumAnswer::Plot;
    }
    if ((controlId >= ids::spectrum::Scale1 && controlId <= ids::spectrum::Scale7) ||
        (controlId >= ids::spectrum::LeftEdge && controlId <= ids::spectrum::RightEdge)) {
        return SpectrumAnswer::ScaleOrEdge;
    }
    if (controlId == ids::spectrum::MarkerCaption || controlId == ids::spectrum::CursorLevel) {
        return SpectrumAnswer::ReadOut;
    }
    if (controlId == ids::spectrum::Span || controlId == ids::spectrum::LnbCaption ||
        controlId == ids::spectrum::HorCaption || controlId == ids::spectrum::AnalyzeCaption ||
        controlId == ids::spectrum::SearchCaption) {
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
            return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
        case SpectrumAnswer::ReadOut:
            return context_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
        case SpectrumAnswer::BottomBar:
            return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
        case SpectrumAnswer::Drawing:
            break;
    }
    // The drawing group: the separator under the title bar, then the trace.
    if (dc.drawsGraphics) {
        Canvas canvas = context_.canvas();
        canvas.fillRect({0, 48, 720, 50}, Brushes().BlueBrush);
        DrawSpectrumTrace();
    }
    return defaultAnswer;
}

// Only the separator under the title bar and the plot.
QRect SpectrumScreen::graphicsArea() const {
    return Rect{0, 48, kReplicaWidth, spectrum_plot::kPlot.bottom}.toQRect();
}

}  // namespace mirelta
