#include "screens/find_screen.h"

#include <array>
#include <optional>
#include <string>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/main_window_logic.h"
#include "screens/text_table.h"
#include "screens/value_format.h"

namespace mirelta {
namespace {

constexpr int kLockTextId = 18;
constexpr std::uint8_t kUniversalLnbType = 0;
// Below this quality or strength the meter shows no power reading.
constexpr std::uint8_t kPowerThreshold = 5;

constexpr int kIcon13v = 1015;
constexpr int kIcon22k = 1016;
constexpr int kIcon18v = 1018;
constexpr int kLockLabel = 1033;

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

std::string PowerText(const FindRecord& r) {
    if (r.quality() < kPowerThreshold || r.strength() < kPowerThreshold) {
        return "0.0";
    }
    const std::uint16_t level = r.powerLevel();
    return Printf("%d.%d", level / 10, level % 10);
}

FindValues ValuesOf(const FindRecord& r) {
    return FindValues{
        .satellite = r.satelliteName(),
        .lnbName = LnbName(r.lnbType()),
        .loLow = Printf("%d", LoLow(r)),
        .loHigh = Printf("%d", LoHigh(r)),
        .frequency = Printf("%d", static_cast<int>(r.frequency())),
        .symbolRate = Printf("%d", static_cast<int>(r.symbolRate())),
        .polarisation = r.polarisation() != 0 ? "Ver" : "Hor",
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
    const FindRecord& r = window_.selectedFind();
    const FindValues v = ValuesOf(r);

    const std::array<std::pair<int, Rect>, 6> icons{{
        {kIcon13v, {530, 14, 570, 44}},
        {kIcon18v, {530, 14, 570, 44}},
        {1038, {60, 442, 100, 472}},
        {1019, {205, 442, 245, 472}},
        {1020, {350, 442, 390, 472}},
        {1021, {495, 442, 535, 472}},
    }};
    for (const auto& [id, rect] : icons) {
        if (window_.controls().has(id)) {
            window_.controls().move(id, rect);
        }
    }

    const LabelRow labels[] = {
        {1006, {105, 442, 205, 472}, 14, kAlignLeft, {}},
        {1007, {250, 442, 350, 472}, 15, kAlignLeft, {}},
        {1037, {395, 442, 495, 472}, 16, kAlignLeft, {}},
        {1005, {540, 442, 670, 472}, 17, kAlignLeft, {}},
        {1008, {40, 60, 190, 90}, 3, kAlignLeft, {}},
        {1009, {40, 95, 190, 125}, 4, kAlignLeft, {}},
        {1010, {40, 130, 190, 160}, 5, kAlignLeft, {}},
        {1011, {40, 165, 190, 195}, 6, kAlignLeft, {}},
        {1012, {40, 200, 190, 230}, 7, kAlignLeft, {}},
        {1013, {40, 235, 190, 265}, 8, kAlignLeft, {}},
        {1014, {40, 270, 190, 300}, 9, kAlignLeft, {}},
        {1024, {40, 305, 190, 335}, 10, kAlignLeft, {}},
        {1025, {215, 60, 460, 90}, text_id::Custom, kAlignCentre, v.satellite},
        {1026, {215, 95, 460, 125}, text_id::Custom, kAlignCentre, v.lnbName},
        {1027, {190, 130, 490, 160}, text_id::Custom, kAlignCentre, v.loLow},
        {1028, {190, 165, 490, 195}, text_id::Custom, kAlignCentre, v.loHigh},
        {1029, {190, 200, 490, 230}, text_id::Custom, kAlignCentre, v.frequency},
        {1030, {190, 235, 490, 265}, text_id::Custom, kAlignCentre, v.symbolRate},
        {1031, {190, 270, 490, 300}, text_id::Custom, kAlignCentre, v.polarisation},
        {1032, {190, 305, 490, 335}, 13, kAlignCentre, {}},
        {ids::ContentPanel, {500, 50, 720, 340}, text_id::Empty, kStyleUnchanged, {}},
        {kLockLabel, {530, 60, 680, 120}, LockTextId(r), kAlignCentre, {}},
        {1034, {500, 130, 580, 170}, 19, kAlignRight, {}},
        {1035, {584, 132, 720, 172}, text_id::Custom, kAlignLeft, v.power},
        {1036, {600, 170, 710, 200}, 20, kAlignCentre, {}},
        {1046, {500, 200, 580, 240}, 21, kAlignRight, {}},
        {1047, {594, 200, 720, 240}, text_id::Custom, kAlignLeft, {}},
        {1048, {500, 244, 590, 274}, 22, kAlignRight, {}},
        {1049, {594, 244, 720, 273}, text_id::Custom, kAlignLeft, v.cn},
        {1050, {500, 274, 590, 304}, 23, kAlignRight, {}},
        {1051, {594, 274, 700, 304}, text_id::Custom, kAlignCentre, v.ber},
        {1052, {500, 309, 590, 339}, 24, kAlignRight, {}},
        {1053, {594, 309, 700, 339}, text_id::Custom, kAlignLeft, v.fec},
        {1054, {40, 340, 190, 388}, 11, kAlignLeft, {}},
        {1055, {610, 340, 700, 388}, text_id::Custom, kAlignLeft, v.strength},
        {1056, {40, 390, 190, 438}, 12, kAlignLeft, {}},
        {1057, {610, 390, 700, 438}, text_id::Custom, kAlignLeft, v.quality},
    };
    for (const LabelRow& row : labels) {
        if (window_.controls().has(row.id)) {
            window_.SetLabel(row.id, row.rect, row.textId, row.style, row.text);
        }
    }
}

void FindScreen::show() {
    layout();
    for (int id : {ids::ScreenArea, ids::Title, ids::BottomBar, ids::ContentPanel, 1017}) {
        window_.controls().show(id);
    }
    const bool vertical = window_.selectedFind().polarisation() != 0;
    window_.controls().setVisible(kIcon13v, vertical);
    window_.controls().setVisible(kIcon18v, !vertical);
    // The 22k icon is left to ShowScreen, which shows it on entry whatever the LNB type.
    for (int id : {1038, 1019, 1020, 1021}) {
        window_.controls().show(id);
    }
    for (int id : {1041, 1040, 1022, 1039}) {
        window_.controls().hide(id);
    }
    for (int id = 1008; id <= 1014; ++id) {
        window_.controls().show(id);
    }
    for (int id = 1024; id <= 1036; ++id) {
        window_.controls().show(id);
    }
    for (int id = 1046; id <= 1057; ++id) {
        window_.controls().show(id);
    }
    for (int id : {1006, 1007, 1037, 1005}) {
        window_.controls().show(id);
    }
}

void FindScreen::refresh() {
    const FindRecord& r = window_.selectedFind();
    const FindValues v = ValuesOf(r);
    const bool vertical = r.polarisation() != 0;
    window_.controls().setVisible(kIcon13v, vertical);
    window_.controls().setVisible(kIcon18v, !vertical);
    window_.controls().setVisible(kIcon22k, r.lnbType() == kUniversalLnbType);

    window_.controls().setText(1025, v.satellite);
    window_.controls().setText(1026, v.lnbName);
    window_.controls().setText(1027, v.loLow);
    window_.controls().setText(1028, v.loHigh);
    window_.controls().setText(1029, v.frequency);
    window_.controls().setText(1030, v.symbolRate);
    window_.controls().setText(1031, v.polarisation);
    window_.SetLabel(kLockLabel, std::nullopt, LockTextId(r), kAlignCentre);
    window_.controls().setText(1035, v.power);
    window_.controls().setText(1049, v.cn);
    window_.controls().setText(1051, v.ber);
    window_.controls().setText(1053, v.fec);
    window_.controls().setText(1055, v.strength);
    window_.controls().setText(1057, v.quality);
}

void FindScreen::drawGraphics() {
    const FindRecord& r = window_.selectedFind();
    Canvas canvas = window_.clientCanvas();
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
        return window_.controlBrushes().get(colours::Ink);
    }
    if (controlId == 1005 || controlId == 1006 || controlId == 1007 || controlId == 1037) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
    }
    if (within(1008, 1014) || within(1024, 1032)) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    }
    if (controlId == 1033 || controlId == 1035) {
        return window_.PaintLabel(dc, LabelFont::Large, colours::HighlightBlue, colours::Ink);
    }
    if (controlId == 1034 || controlId == 1036 || within(1046, 1053)) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
    }
    if (within(1054, 1057)) {
        return window_.PaintLabel(dc, LabelFont::Large, colours::Ink, colours::PanelGrey);
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
