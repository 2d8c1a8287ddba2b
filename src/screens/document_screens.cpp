// SPDX-License-Identifier: GPL-3.0-or-later
// Screen switching and the colour hook.
#include <utility>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/document.h"
#include "screens/text_table.h"

namespace mirelta {

void Document::LayoutScreenFrame() {
    controls_.move(ids::ScreenArea, {0, 0, 720, 480});
    controls_.move(ids::Title, {0, 0, 720, 48});
    controls_.move(ids::Battery, {625, 18, 667, 38});
    // TextId 38 returns before the style is looked at, so the bar keeps its template style.
    context_.SetLabel(ids::BottomBar, Rect{0, 440, 720, 480}, text_id::Empty, kStyleUnchanged);
    controls_.move(ids::Icon22k, {576, 14, 616, 44});
    controls_.move(ids::Ruler, {65, 60, 75, 340});
}

void Document::ShowScreen(ScreenKind mode) {
    DrawEnabled_ = false;
    context_.setShown(mode);
    if (screenOf(mode) == nullptr) {
        controls_.enable(ids::Up, false);
        controls_.enable(ids::Down, false);
        return;
    }
    context_.withRepaintsHeld([this, mode] {
        screenOf(mode)->show();
        controls_.enable(ids::Up, mode == ScreenKind::Spectrum);
        controls_.enable(ids::Down, mode == ScreenKind::Spectrum);
        // The titles are the table entries numbered as the modes.
        controls_.setText(ids::Title, TableText(static_cast<int>(mode), context_.language()));
        controls_.setVisible(ids::Icon22k, mode != ScreenKind::Constellation);
    });
    DrawEnabled_ = true;
    compositor_.repaintWindow();
    emit screenChanged(mode);
}

BrushHandle Document::OnCtlColor(DeviceContext& dc, int controlId) {
    const BrushHandle defaultAnswer = DefaultColourAnswer(dc);
    if (!DrawEnabled_) {
        return defaultAnswer;
    }
    switch (controlId) {
        case ids::ScreenArea:
            return context_.brush(colours::PanelGrey);
        case ids::BottomBar:
            return context_.brush(colours::FrameGrey);
        case ids::Title:
            return context_.PaintLabel(dc, LabelFont::Large, colours::White, colours::TitleTeal);
        default:
            break;
    }
    Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr ? screen->answer(dc, controlId, defaultAnswer) : defaultAnswer;
}

Screen* Document::screenOf(ScreenKind mode) {
    return const_cast<Screen*>(std::as_const(*this).screenOf(mode));
}

const Screen* Document::screenOf(ScreenKind mode) const {
    switch (mode) {
        case ScreenKind::Find:
            return &findScreen_;
        case ScreenKind::Constellation:
            return &constellationScreen_;
        case ScreenKind::Spectrum:
            return &spectrumScreen_;
        default:
            return nullptr;
    }
}

// The frame's own controls answer before any screen is asked and draw nothing.
bool Document::DrawsGraphics(int controlId) const {
    if (!DrawEnabled_ || controlId == ids::ScreenArea || controlId == ids::BottomBar ||
        controlId == ids::Title) {
        return false;
    }
    const Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr && screen->drawsGraphics(controlId);
}

QRect Document::GraphicsArea() const {
    const Screen* screen = screenOf(ScreenMode_);
    return screen != nullptr ? screen->graphicsArea() : QRect(0, 0, kReplicaWidth, kReplicaHeight);
}

}  // namespace mirelta
