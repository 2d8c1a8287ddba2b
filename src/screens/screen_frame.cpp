// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/main_window_logic.h"
#include "screens/text_table.h"

namespace mirelta {

void MainWindowLogic::LayoutScreenFrame() {
    controls_.move(ids::ScreenArea, {0, 0, 720, 480});
    controls_.move(ids::Title, {0, 0, 720, 48});
    controls_.move(ids::Battery, {625, 18, 667, 38});
    // TextId 38 returns before the style is looked at, so the bar keeps its template style.
    SetLabel(ids::BottomBar, Rect{0, 440, 720, 480}, text_id::Empty, kStyleUnchanged);
    controls_.move(ids::Icon22k, {576, 14, 616, 44});
    controls_.move(ids::Ruler, {65, 60, 75, 340});
}

void MainWindowLogic::CreateLabelFonts() {
    // 20 and 15 points at 96 dots per inch; the replica is a pixel replica on any screen.
    LabelFontLarge_ = QFont("Arial");
    LabelFontLarge_.setPixelSize(26);
    LabelFontSmall_ = QFont("Arial");
    LabelFontSmall_.setPixelSize(20);
}

void MainWindowLogic::ShowScreen(ShownScreen mode) {
    DrawEnabled_ = false;
    if (screenOf(mode) == nullptr) {
        controls_.enable(ids::Up, false);
        controls_.enable(ids::Down, false);
        return;
    }
    withRepaintsHeld([this, mode] {
        screenOf(mode)->show();
        controls_.enable(ids::Up, mode == ShownScreen::Spectrum);
        controls_.enable(ids::Down, mode == ShownScreen::Spectrum);
        // The titles are the table entries numbered as the modes.
        controls_.setText(ids::Title, TableText(static_cast<int>(mode), Language_));
        controls_.setVisible(ids::Icon22k, mode != ShownScreen::Constellation);
    });
    DrawEnabled_ = true;
    compositor_.repaintWindow();
}

BrushHandle MainWindowLogic::OnCtlColor(DeviceContext& dc, int controlId) {
    const BrushHandle defaultAnswer = DefaultColourAnswer(dc);
    if (!DrawEnabled_) {
        return defaultAnswer;
    }
    switch (controlId) {
        case ids::ScreenArea:
            return controlBrushes_.get(colours::PanelGrey);
        case ids::BottomBar:
            return controlBrushes_.get(colours::FrameGrey);
        case ids::Title:
            return PaintLabel(dc, LabelFont::Large, colours::White, colours::TitleTeal);
        default:
            break;
    }
    Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr ? screen->answer(dc, controlId, defaultAnswer) : defaultAnswer;
}

Screen* MainWindowLogic::screenOf(ShownScreen mode) {
    return const_cast<Screen*>(std::as_const(*this).screenOf(mode));
}

const Screen* MainWindowLogic::screenOf(ShownScreen mode) const {
    switch (mode) {
        case ShownScreen::Find:
            return &findScreen_;
        case ShownScreen::Constellation:
            return &constellationScreen_;
        case ShownScreen::Spectrum:
            return &spectrumScreen_;
        default:
            return nullptr;
    }
}

// The frame's own controls answer before any screen is asked and draw nothing.
bool MainWindowLogic::DrawsGraphics(int controlId) const {
    if (!DrawEnabled_ || controlId == ids::ScreenArea || controlId == ids::BottomBar ||
        controlId == ids::Title) {
        return false;
    }
    const Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr && screen->drawsGraphics(controlId);
}

QRect MainWindowLogic::GraphicsArea() const {
    const Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr ? screen->graphicsArea() : QRect(0, 0, kReplicaWidth, kReplicaHeight);
}

BrushHandle MainWindowLogic::PaintLabel(DeviceContext& dc, LabelFont fontChoice, const QColor& text,
                                        const QColor& background) {
    dc.backgroundColour = background;
    dc.textColour = text;
    dc.font = fontChoice == LabelFont::Large ? &LabelFontLarge_ : &LabelFontSmall_;
    return controlBrushes_.get(background);
}

}  // namespace mirelta
