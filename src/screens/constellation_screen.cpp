#include "screens/constellation_screen.h"

#include <cstdint>
#include <optional>
#include <string>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/main_window_logic.h"
#include "screens/text_table.h"
#include "screens/value_format.h"

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
    const std::uint32_t mer = r.mer();
    return ConstellationValues{
        .modulation = ModulationText(r),
        .frequency = Printf("%d/ %c /%d", static_cast<int>(r.frequency()),
                            r.polarisation() != 0 ? 'V' : 'H', static_cast<int>(r.symbolRate())),
        // The hundredths digit is cut off, as the meter does.
        .mer = Printf("%2d.%1d dB", static_cast<int>(mer / 100), static_cast<int>(mer % 100 / 10)),
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
    const ConstellationValues v = ValuesOf(window_.selectedConstellation());
    const LayoutRow rows[] = {
        {ids::ContentPanel, {350, 50, 720, 440}, text_id::Empty, kStyleUnchanged, {}},
        {1008, {30, 70, 100, 108}, 25, kAlignLeft, {}},
        {1009, {110, 70, 350, 108}, text_id::Custom, kAlignLeft, {}},
        {1010, {30, 110, 100, 140}, 26, kAlignLeft, {}},
        {1011, {120, 110, 290, 148}, text_id::Custom, kAlignLeft, v.modulation},
        {1012, {30, 150, 330, 188}, text_id::Custom, kAlignCentre, v.frequency},
        {1013, {30, 210, 100, 248}, 27, kAlignLeft, {}},
        {1014, {110, 190, 260, 258}, text_id::Custom, kAlignLeft, v.mer},
        {1024, {30, 260, 130, 298}, 22, kAlignCentre, {}},
        {1026, {130, 260, 210, 298}, 24, kAlignCentre, {}},
        {1028, {210, 260, 340, 298}, 23, kAlignCentre, {}},
        {1025, {30, 300, 130, 338}, text_id::Custom, kAlignCentre, v.cn},
        {1027, {130, 300, 210, 338}, text_id::Custom, kAlignCentre, v.fec},
        {1029, {210, 300, 340, 338}, text_id::Custom, kAlignCentre, v.ber},
        {1030, {30, 340, 140, 390}, 12, kAlignLeft, {}},
        {1031, {260, 340, 350, 390}, text_id::Custom, kAlignCentre, v.quality},
        {1032, {30, 390, 140, 440}, 11, kAlignLeft, {}},
        {1033, {260, 390, 350, 440}, text_id::Custom, kAlignCentre, v.strength},
        {1038, {80, 442, 120, 472}, kMoveOnly, 0, {}},
        {1036, {125, 442, 245, 472}, 14, kAlignLeft, {}},
        {1019, {300, 442, 340, 472}, kMoveOnly, 0, {}},
        {1046, {345, 442, 465, 472}, 15, kAlignLeft, {}},
        {1021, {500, 442, 540, 472}, kMoveOnly, 0, {}},
        {1047, {545, 442, 665, 472}, 28, kAlignLeft, {}},
        {1034, {500, 50, 530, 76}, 29, kAlignCentre, {}},
        {1035, {355, 220, 385, 246}, 30, kAlignCentre, {}},
    };
    for (const LayoutRow& row : rows) {
        if (row.textId == kMoveOnly) {
            window_.controls().move(row.id, row.rect);
        } else {
            window_.SetLabel(row.id, row.rect, row.textId, row.style, row.text);
        }
    }
}

void ConstellationScreen::show() {
    layout();
    for (int id :
         {ids::ScreenArea, ids::Title, ids::BottomBar, ids::ContentPanel, 1017, 1038, 1019, 1021}) {
        window_.controls().show(id);
    }
    for (int id : {1015, 1016, 1041, 1020, 1040, 1022, 1039, 1018}) {
        window_.controls().hide(id);
    }
    for (int id = 1008; id <= 1014; ++id) {
        window_.controls().show(id);
    }
    for (int id = 1024; id <= 1036; ++id) {
        window_.controls().show(id);
    }
    window_.controls().show(1046);
    window_.controls().show(1047);
    for (int id = 1048; id <= 1057; ++id) {
        window_.controls().hide(id);
    }
    for (int id : {1006, 1007, 1037, 1005}) {
        window_.controls().hide(id);
    }
}

void ConstellationScreen::refresh() {
    const ConstellationValues v = ValuesOf(window_.selectedConstellation());
    window_.controls().setText(1011, v.modulation);
    window_.controls().setText(1012, v.frequency);
    window_.controls().setText(1014, v.mer);
    window_.controls().setText(1025, v.cn);
    window_.controls().setText(1027, v.fec);
    window_.controls().setText(1029, v.ber);
    window_.controls().setText(1031, v.quality);
    window_.controls().setText(1033, v.strength);
}

void ConstellationScreen::drawGraphics() {
    ConstellationRecord& r = window_.selectedConstellation();
    Canvas canvas = window_.clientCanvas();
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
        return window_.controlBrushes().get(colours::Ink);
    }
    if (within(1008, 1013) || within(1024, 1033)) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    }
    if (controlId == 1014) {
        return window_.PaintLabel(dc, LabelFont::Large, colours::Red, colours::PanelGrey);
    }
    if (controlId == 1034 || controlId == 1035) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::White, colours::Ink);
    }
    if (controlId == 1036 || controlId == 1046 || controlId == 1047) {
        return window_.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::FrameGrey);
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
