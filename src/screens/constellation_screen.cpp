// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/constellation_screen.h"

#include <cstdint>
#include <optional>
#include <string>

#include "format/reading_texts.h"
#include "format/value_format.h"
#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/text_table.h"

namespace mirelta {
namespace {

// A row of the layout that is only moved: the key bitmaps.
constexpr int kMoveOnly = -1;

// The I/Q plot: a sample (i, q) lands at (kPlotLeft + u, kPlotTop + v) with
// u = kPlotHalf + kPlotScale * i and v = kPlotHalf - kPlotScale * q.
constexpr int kPlotLeft = 350;
constexpr int kPlotTop = 80;
constexpr int kPlotHalf = 180;
constexpr int kPlotScale = 4;
constexpr std::uint16_t kPlotSpan = 360;

// The value texts of one record, the same in both languages.
struct ConstellationValues {
    std::string modulation;
    std::string frequency;
    std::string mer;
    std::string cn;
    std::string fec;
    std::string ber;
    std::string quality;
    std::string strength;
};

ConstellationValues ValuesOf(const ConstellationRecord& r) {
    return ConstellationValues{
        .modulation = ModulationText(r),
        .frequency = Printf("%d/ %c /%d", static_cast<int>(r.frequency()),
                            r.polarisation() != 0 ? 'V' : 'H', static_cast<int>(r.symbolRate())),
        .mer = MerText(r),
        .cn = CnText(r.cn()),
        .fec = FecText(r),
        .ber = BerText(r.berMantissa(), r.berExponent()),
        .quality = PercentText(r.quality()),
        .strength = PercentText(r.strength()),
    };
}

struct LayoutRow {
    int id;
    Rect rect;
    int textId;  // kMoveOnly for the key bitmaps
    int style;
    std::optional<std::string> text;
};

void DrawBars(Canvas& canvas, const QBrush& brush, int percent, int top, int bottom) {
    for (int i = 0; i < percent / 20; ++i) {
        canvas.fillRect({142 + 20 * i, top, 160 + 20 * i, bottom}, brush);
    }
}

// Converts sample k of the working record in place (a second pass changes nothing) and plots
// it when it lies within -45..45 on both axes.
void PlotSample(Canvas& canvas, ConstellationRecord& r, int k) {
    r.setSampleI(k, DecodeSample(r.sampleI(k)));
    r.setSampleQ(k, DecodeSample(r.sampleQ(k)));
    // Negative offsets wrap to large unsigned values, which the range check then skips.
    const auto u = static_cast<std::uint16_t>(kPlotHalf + kPlotScale * r.sampleI(k));
    const auto v = static_cast<std::uint16_t>(kPlotHalf - kPlotScale * r.sampleQ(k));
    if (u <= kPlotSpan && v <= kPlotSpan) {
        canvas.setPixel(kPlotLeft + u, kPlotTop + v, colours::Red);
    }
}

}  // namespace

void ConstellationScreen::layout() {
    const ConstellationValues v = ValuesOf(*record_);
    const LayoutRow rows[] = {
        {ids::ContentPanel, {350, 50, 720, 440}, text_id::Empty, kStyleUnchanged, {}},
        {ids::constellation::ChannelCaption, {30, 70, 100, 108}, 25, kAlignLeft, {}},
        {ids::constellation::Channel, {110, 70, 350, 108}, text_id::Custom, kAlignLeft, {}},
        {ids::constellation::ModulationCaption, {30, 110, 100, 140}, 26, kAlignLeft, {}},
        {ids::constellation::Modulation,
         {120, 110, 290, 148},
         text_id::Custom,
         kAlignLeft,
         v.modulation},
        {ids::constellation::Frequency,
         {30, 150, 330, 188},
         text_id::Custom,
         kAlignCentre,
         v.frequency},
        {ids::constellation::MerCaption, {30, 210, 100, 248}, 27, kAlignLeft, {}},
        {ids::constellation::Mer, {110, 190, 260, 258}, text_id::Custom, kAlignLeft, v.mer},
        {ids::constellation::CnCaption, {30, 260, 130, 298}, 22, kAlignCentre, {}},
        {ids::constellation::FecCaption, {130, 260, 210, 298}, 24, kAlignCentre, {}},
        {ids::constellation::BerCaption, {210, 260, 340, 298}, 23, kAlignCentre, {}},
        {ids::constellation::Cn, {30, 300, 130, 338}, text_id::Custom, kAlignCentre, v.cn},
        {ids::constellation::Fec, {130, 300, 210, 338}, text_id::Custom, kAlignCentre, v.fec},
        {ids::constellation::Ber, {210, 300, 340, 338}, text_id::Custom, kAlignCentre, v.ber},
        {ids::constellation::QualityCaption, {30, 340, 140, 390}, 12, kAlignLeft, {}},
        {ids::constellation::Quality,
         {260, 340, 350, 390},
         text_id::Custom,
         kAlignCentre,
         v.quality},
        {ids::constellation::StrengthCaption, {30, 390, 140, 440}, 11, kAlignLeft, {}},
        {ids::constellation::Strength,
         {260, 390, 350, 440},
         text_id::Custom,
         kAlignCentre,
         v.strength},
        {ids::OkKey, {80, 442, 120, 472}, kMoveOnly, 0, {}},
        {ids::constellation::ConfirmCaption, {125, 442, 245, 472}, 14, kAlignLeft, {}},
        {ids::ExitKey, {300, 442, 340, 472}, kMoveOnly, 0, {}},
        {ids::constellation::ExitCaption, {345, 442, 465, 472}, 15, kAlignLeft, {}},
        {ids::F4Key, {500, 442, 540, 472}, kMoveOnly, 0, {}},
        {ids::constellation::SaveCaption, {545, 442, 665, 472}, 28, kAlignLeft, {}},
        {ids::constellation::QAxis, {500, 50, 530, 76}, 29, kAlignCentre, {}},
        {ids::constellation::IAxis, {355, 220, 385, 246}, 30, kAlignCentre, {}},
    };
    for (const LayoutRow& row : rows) {
        if (row.textId == kMoveOnly) {
            context_.controls().move(row.id, row.rect);
        } else {
            context_.SetLabel(row.id, row.rect, row.textId, row.style, row.text);
        }
    }
}

void ConstellationScreen::show() {
    layout();
    for (int id : {ids::ScreenArea, ids::Title, ids::BottomBar, ids::ContentPanel, ids::Battery,
                   ids::OkKey, ids::ExitKey, ids::F4Key}) {
        context_.controls().show(id);
    }
    for (int id : {ids::Icon13v, ids::Icon22k, ids::F1Key, ids::F2Key, ids::F3Key, ids::Ruler,
                   ids::Marker, ids::Icon18v}) {
        context_.controls().hide(id);
    }
    for (int id = ids::constellation::ChannelCaption; id <= ids::constellation::Mer; ++id) {
        context_.controls().show(id);
    }
    for (int id = ids::constellation::CnCaption; id <= ids::constellation::ConfirmCaption; ++id) {
        context_.controls().show(id);
    }
    context_.controls().show(ids::constellation::ExitCaption);
    context_.controls().show(ids::constellation::SaveCaption);
    // The Find screen's labels that this screen does not reuse.
    for (int id = ids::find::CnCaption; id <= ids::find::Quality; ++id) {
        context_.controls().hide(id);
    }
    for (int id : {ids::find::ConfirmCaption, ids::find::ExitCaption, ids::find::AddTpCaption,
                   ids::find::SaveLnbCaption}) {
        context_.controls().hide(id);
    }
}

void ConstellationScreen::refresh() {
    const ConstellationValues v = ValuesOf(*record_);
    context_.controls().setText(ids::constellation::Modulation, v.modulation);
    context_.controls().setText(ids::constellation::Frequency, v.frequency);
    context_.controls().setText(ids::constellation::Mer, v.mer);
    context_.controls().setText(ids::constellation::Cn, v.cn);
    context_.controls().setText(ids::constellation::Fec, v.fec);
    context_.controls().setText(ids::constellation::Ber, v.ber);
    context_.controls().setText(ids::constellation::Quality, v.quality);
    context_.controls().setText(ids::constellation::Strength, v.strength);
}

void ConstellationScreen::drawGraphics() {
    ConstellationRecord& r = *record_;
    Canvas canvas = context_.canvas();
    for (int y : {108, 148, 188, 258, 338}) {
        canvas.fillRect({30, y, 330, y + 2}, Brushes().FrameGreyBrush);
    }
    canvas.fillRect({0, 48, 720, 50}, Brushes().BlueBrush);

    // The boxes are filled white, which wipes the bars of the record shown before.
    const Pen previous = canvas.selectPen(Pen{colours::White, 1});
    canvas.roundRect({140, 355, 260, 375}, 10, 10);
    canvas.roundRect({140, 405, 260, 425}, 10, 10);
    const QBrush barBrush(colours::HighlightBlue);
    DrawBars(canvas, barBrush, r.quality(), 355, 375);
    DrawBars(canvas, barBrush, r.strength(), 405, 425);
    canvas.selectPen(previous);

    canvas.fillRect({529, 60, 531, 440}, Brushes().WhiteBrush);
    canvas.fillRect({350, 249, 710, 251}, Brushes().WhiteBrush);
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        PlotSample(canvas, r, k);
    }
}

BrushHandle ConstellationScreen::answer(DeviceContext& dc, int controlId,
                                        BrushHandle defaultAnswer) {
    // Every query draws the separators, boxes, bars, axes and samples.
    if (dc.drawsGraphics) {
        drawGraphics();
    }
    const auto within = [controlId](int first, int last) {
        return controlId >= first && controlId <= last;
    };
    if (controlId == ids::ContentPanel) {
        return context_.brush(colours::Ink);
    }
    if (within(ids::constellation::ChannelCaption, ids::constellation::MerCaption) ||
        within(ids::constellation::CnCaption, ids::constellation::Strength)) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    }
    if (controlId == ids::constellation::Mer) {
        return context_.PaintLabel(dc, LabelFont::Large, colours::Red, colours::PanelGrey);
    }
    if (controlId == ids::constellation::QAxis || controlId == ids::constellation::IAxis) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
    }
    if (controlId == ids::constellation::ConfirmCaption ||
        controlId == ids::constellation::ExitCaption ||
        controlId == ids::constellation::SaveCaption) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
    }
    return defaultAnswer;
}

// The graphics are drawn at every query, over the whole replica.
bool ConstellationScreen::drawsGraphics(int /*controlId*/) const {
    return true;
}

QRect ConstellationScreen::graphicsArea() const {
    return QRect(0, 0, kReplicaWidth, kReplicaHeight);
}

}  // namespace mirelta
