// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/find_screen.h"

#include <array>
#include <optional>
#include <string>

#include "format/reading_texts.h"
#include "format/value_format.h"
#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/text_table.h"

namespace mirelta {
namespace {

constexpr int kLockTextId = 18;
constexpr std::uint8_t kUniversalLnbType = 0;

// The value texts of one record, the same in both languages.
struct FindValues {
    std::string satellite;
    std::string lnbName;
    std::string loLow;
    std::string loHigh;
    std::string frequency;
    std::string symbolRate;
    std::string polarisation;
    std::string power;
    std::string cn;
    std::string ber;
    std::string fec;
    std::string strength;
    std::string quality;
};

FindValues ValuesOf(const FindRecord& r) {
    return FindValues{
        .satellite = r.satelliteName(),
        .lnbName = LnbName(r.lnbType()),
        .loLow = Printf("%d", LoLow(r)),
        .loHigh = Printf("%d", LoHigh(r)),
        .frequency = Printf("%d", static_cast<int>(r.frequency())),
        .symbolRate = Printf("%d", static_cast<int>(r.symbolRate())),
        .polarisation = PolarisationText(r.polarisation()),
        .power = PowerText(r),
        .cn = CnText(r),
        .ber = BerText(r),
        .fec = FecText(r),
        .strength = PercentText(r.strength()),
        .quality = PercentText(r.quality()),
    };
}

int LockTextId(const FindRecord& r) {
    return r.lockFlag() != 0 ? kLockTextId : text_id::Empty;
}

struct LabelRow {
    int id;
    Rect rect;
    int textId;
    int style;
    std::optional<std::string> text;
};

void DrawSegments(Canvas& canvas, int count, int top, int bottom) {
    for (int k = 0; k < count; ++k) {
        canvas.fillRect({205 + 35 * k, top, 235 + 35 * k, bottom}, Brushes().RedBrush);
    }
}

}  // namespace

void FindScreen::layout() {
    const FindRecord& r = *record_;
    const FindValues v = ValuesOf(r);

    const std::array<std::pair<int, Rect>, 6> icons{{
        {ids::Icon13v, {530, 14, 570, 44}},
        {ids::Icon18v, {530, 14, 570, 44}},
        {ids::OkKey, {60, 442, 100, 472}},
        {ids::ExitKey, {205, 442, 245, 472}},
        {ids::F2Key, {350, 442, 390, 472}},
        {ids::F4Key, {495, 442, 535, 472}},
    }};
    for (const auto& [id, rect] : icons) {
        if (context_.controls().has(id)) {
            context_.controls().move(id, rect);
        }
    }

    const LabelRow labels[] = {
        {ids::find::ConfirmCaption, {105, 442, 205, 472}, 14, kAlignLeft, {}},
        {ids::find::ExitCaption, {250, 442, 350, 472}, 15, kAlignLeft, {}},
        {ids::find::AddTpCaption, {395, 442, 495, 472}, 16, kAlignLeft, {}},
        {ids::find::SaveLnbCaption, {540, 442, 670, 472}, 17, kAlignLeft, {}},
        {ids::find::SatelliteCaption, {40, 60, 190, 90}, 3, kAlignLeft, {}},
        {ids::find::LnbTypeCaption, {40, 95, 190, 125}, 4, kAlignLeft, {}},
        {ids::find::LoLowCaption, {40, 130, 190, 160}, 5, kAlignLeft, {}},
        {ids::find::LoHighCaption, {40, 165, 190, 195}, 6, kAlignLeft, {}},
        {ids::find::FrequencyCaption, {40, 200, 190, 230}, 7, kAlignLeft, {}},
        {ids::find::SymbolRateCaption, {40, 235, 190, 265}, 8, kAlignLeft, {}},
        {ids::find::PolarisationCaption, {40, 270, 190, 300}, 9, kAlignLeft, {}},
        {ids::find::SearchCaption, {40, 305, 190, 335}, 10, kAlignLeft, {}},
        {ids::find::Satellite, {215, 60, 460, 90}, text_id::Custom, kAlignCentre, v.satellite},
        {ids::find::LnbType, {215, 95, 460, 125}, text_id::Custom, kAlignCentre, v.lnbName},
        {ids::find::LoLow, {190, 130, 490, 160}, text_id::Custom, kAlignCentre, v.loLow},
        {ids::find::LoHigh, {190, 165, 490, 195}, text_id::Custom, kAlignCentre, v.loHigh},
        {ids::find::Frequency, {190, 200, 490, 230}, text_id::Custom, kAlignCentre, v.frequency},
        {ids::find::SymbolRate, {190, 235, 490, 265}, text_id::Custom, kAlignCentre, v.symbolRate},
        {ids::find::Polarisation,
         {190, 270, 490, 300},
         text_id::Custom,
         kAlignCentre,
         v.polarisation},
        {ids::find::SearchOk, {190, 305, 490, 335}, 13, kAlignCentre, {}},
        {ids::ContentPanel, {500, 50, 720, 340}, text_id::Empty, kStyleUnchanged, {}},
        {ids::find::Lock, {530, 60, 680, 120}, LockTextId(r), kAlignCentre, {}},
        {ids::find::PowerCaption, {500, 130, 580, 170}, 19, kAlignRight, {}},
        {ids::find::Power, {584, 132, 720, 172}, text_id::Custom, kAlignLeft, v.power},
        {ids::find::PowerUnit, {600, 170, 710, 200}, 20, kAlignCentre, {}},
        {ids::find::SatCaption, {500, 200, 580, 240}, 21, kAlignRight, {}},
        {ids::find::Sat, {594, 200, 720, 240}, text_id::Custom, kAlignLeft, {}},
        {ids::find::CnCaption, {500, 244, 590, 274}, 22, kAlignRight, {}},
        {ids::find::Cn, {594, 244, 720, 273}, text_id::Custom, kAlignLeft, v.cn},
        {ids::find::BerCaption, {500, 274, 590, 304}, 23, kAlignRight, {}},
        {ids::find::Ber, {594, 274, 700, 304}, text_id::Custom, kAlignCentre, v.ber},
        {ids::find::FecCaption, {500, 309, 590, 339}, 24, kAlignRight, {}},
        {ids::find::Fec, {594, 309, 700, 339}, text_id::Custom, kAlignLeft, v.fec},
        {ids::find::StrengthCaption, {40, 340, 190, 388}, 11, kAlignLeft, {}},
        {ids::find::Strength, {610, 340, 700, 388}, text_id::Custom, kAlignLeft, v.strength},
        {ids::find::QualityCaption, {40, 390, 190, 438}, 12, kAlignLeft, {}},
        {ids::find::Quality, {610, 390, 700, 438}, text_id::Custom, kAlignLeft, v.quality},
    };
    for (const LabelRow& row : labels) {
        if (context_.controls().has(row.id)) {
            context_.SetLabel(row.id, row.rect, row.textId, row.style, row.text);
        }
    }
}

void FindScreen::show() {
    layout();
    for (int id : {ids::ScreenArea, ids::Title, ids::BottomBar, ids::ContentPanel, ids::Battery}) {
        context_.controls().show(id);
    }
    const bool vertical = record_->polarisation() != 0;
    context_.controls().setVisible(ids::Icon13v, vertical);
    context_.controls().setVisible(ids::Icon18v, !vertical);
    // The 22k icon is left to ShowScreen, which shows it on entry whatever the LNB type.
    for (int id : {ids::OkKey, ids::ExitKey, ids::F2Key, ids::F4Key}) {
        context_.controls().show(id);
    }
    for (int id : {ids::F1Key, ids::F3Key, ids::Ruler, ids::Marker}) {
        context_.controls().hide(id);
    }
    for (int id = ids::find::SatelliteCaption; id <= ids::find::PolarisationCaption; ++id) {
        context_.controls().show(id);
    }
    for (int id = ids::find::SearchCaption; id <= ids::find::PowerUnit; ++id) {
        context_.controls().show(id);
    }
    for (int id = ids::find::SatCaption; id <= ids::find::Quality; ++id) {
        context_.controls().show(id);
    }
    for (int id : {ids::find::ConfirmCaption, ids::find::ExitCaption, ids::find::AddTpCaption,
                   ids::find::SaveLnbCaption}) {
        context_.controls().show(id);
    }
}

void FindScreen::refresh() {
    const FindRecord& r = *record_;
    const FindValues v = ValuesOf(r);
    const bool vertical = r.polarisation() != 0;
    context_.controls().setVisible(ids::Icon13v, vertical);
    context_.controls().setVisible(ids::Icon18v, !vertical);
    context_.controls().setVisible(ids::Icon22k, r.lnbType() == kUniversalLnbType);

    context_.controls().setText(ids::find::Satellite, v.satellite);
    context_.controls().setText(ids::find::LnbType, v.lnbName);
    context_.controls().setText(ids::find::LoLow, v.loLow);
    context_.controls().setText(ids::find::LoHigh, v.loHigh);
    context_.controls().setText(ids::find::Frequency, v.frequency);
    context_.controls().setText(ids::find::SymbolRate, v.symbolRate);
    context_.controls().setText(ids::find::Polarisation, v.polarisation);
    context_.SetLabel(ids::find::Lock, std::nullopt, LockTextId(r), kAlignCentre);
    context_.controls().setText(ids::find::Power, v.power);
    context_.controls().setText(ids::find::Cn, v.cn);
    context_.controls().setText(ids::find::Ber, v.ber);
    context_.controls().setText(ids::find::Fec, v.fec);
    context_.controls().setText(ids::find::Strength, v.strength);
    context_.controls().setText(ids::find::Quality, v.quality);
}

void FindScreen::drawGraphics() {
    const FindRecord& r = *record_;
    Canvas canvas = context_.canvas();
    for (int y = 94; y < 339; y += 35) {
        canvas.fillRect({30, y - 2, 490, y}, Brushes().FrameGreyBrush);
    }
    canvas.fillRect({0, 48, 720, 50}, Brushes().BlueBrush);
    canvas.fillRect({0, 340, 720, 342}, Brushes().BlueBrush);

    // The frames are filled white, which wipes the segments of the record shown before.
    const Pen previous = canvas.selectPen(Pen{colours::White, 1});
    canvas.roundRect({200, 350, 580, 380}, 10, 10);
    canvas.roundRect({200, 400, 580, 430}, 10, 10);
    canvas.selectPen(previous);

    DrawSegments(canvas, r.strength() / 10, 350, 380);
    DrawSegments(canvas, r.quality() / 10, 400, 430);
}

BrushHandle FindScreen::answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) {
    // Every query draws the separators, frames and bars.
    if (dc.drawsGraphics) {
        drawGraphics();
    }
    const auto within = [controlId](int first, int last) {
        return controlId >= first && controlId <= last;
    };
    if (controlId == ids::ContentPanel) {
        return context_.brush(colours::Ink);
    }
    if (controlId == ids::find::SaveLnbCaption || controlId == ids::find::ConfirmCaption ||
        controlId == ids::find::ExitCaption || controlId == ids::find::AddTpCaption) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
    }
    if (within(ids::find::SatelliteCaption, ids::find::PolarisationCaption) ||
        within(ids::find::SearchCaption, ids::find::SearchOk)) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    }
    if (controlId == ids::find::Lock || controlId == ids::find::Power) {
        return context_.PaintLabel(dc, LabelFont::Large, colours::HighlightBlue, colours::Ink);
    }
    if (controlId == ids::find::PowerCaption || controlId == ids::find::PowerUnit ||
        within(ids::find::SatCaption, ids::find::Fec)) {
        return context_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
    }
    if (within(ids::find::StrengthCaption, ids::find::Quality)) {
        return context_.PaintLabel(dc, LabelFont::Large, colours::Ink, colours::PanelGrey);
    }
    return defaultAnswer;
}

// The graphics are drawn at every query, over the whole replica.
bool FindScreen::drawsGraphics(int /*controlId*/) const {
    return true;
}

QRect FindScreen::graphicsArea() const {
    return QRect(0, 0, kReplicaWidth, kReplicaHeight);
}

}  // namespace mirelta
