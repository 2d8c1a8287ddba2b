// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_template.h"

#include "mirelta_resources.h"

namespace mirelta {

namespace {

int scale(int units, int base, int per) {
    return (units * base + per / 2) / per;
}

Control panel(int id, ControlKind kind, const char* text, Rect rect, bool visible, bool enabled) {
    Control c;
    c.id = id;
    c.kind = kind;
    c.text = text;
    c.rect = rect;
    c.visible = visible;
    c.enabled = enabled;
    return c;
}

Control replicaText(int id, int style, bool verticallyCentred) {
    Control c;
    c.id = id;
    c.replica = true;
    c.style = style;
    c.verticallyCentred = verticallyCentred;
    return c;
}

Control replicaBitmap(int id, int resource) {
    Control c;
    c.id = id;
    c.kind = ControlKind::BitmapStatic;
    c.replica = true;
    c.bitmapResource = resource;
    c.bitmap = LoadBitmapResource(resource);
    return c;
}

bool isVerticallyCentredLabel(int id) {
    return (id >= 1005 && id <= 1014) || (id >= 1024 && id <= 1037) || (id >= 1046 && id <= 1057);
}

int bitmapResourceOf(int id) {
    switch (id) {
        case ids::Icon13v:
            return 153;
        case ids::Icon22k:
            return 154;
        case ids::Battery:
            return 155;
        case ids::Icon18v:
            return 165;
        case ids::ExitKey:
            return 156;
        case ids::F2Key:
            return 159;
        case ids::F4Key:
            return 161;
        case ids::Ruler:
            return 164;
        case ids::OkKey:
            return 162;
        case ids::Marker:
            return 163;
        case ids::F3Key:
            return 160;
        case ids::F1Key:
            return 158;
        default:
            return 0;
    }
}

}  // namespace

Rect DialogUnitsToPixels(int x, int y, int width, int height) {
    const int left = scale(x, 6, 4);
    const int top = scale(y, 13, 8);
    return {left, top, left + scale(width, 6, 4), top + scale(height, 13, 8)};
}

std::vector<Control> MainWindowTemplate() {
    using K = ControlKind;
    std::vector<Control> controls;

    // The replica: hidden until a screen is shown.
    controls.push_back(replicaText(ids::ScreenArea, 1, false));
    controls.push_back(replicaText(ids::BottomBar, 0, false));
    controls.push_back(replicaText(ids::Title, 1, true));
    controls.push_back(replicaText(ids::ContentPanel, 0, false));
    for (int id = 1005; id <= 1057; ++id) {
        if (id == ids::UiList || (id >= ids::FindList && id <= ids::Down)) {
            continue;
        }
        const int resource = bitmapResourceOf(id);
        controls.push_back(resource != 0 ? replicaBitmap(id, resource)
                                         : replicaText(id, 0, isVerticallyCentredLabel(id)));
    }

    // The operator panel.
    controls.push_back(
        panel(ids::Open, K::PushButton, "Open", DialogUnitsToPixels(492, 208, 69, 21), true, true));
    controls.push_back(panel(ids::Save, K::PushButton, "Save",
                             DialogUnitsToPixels(491, 266, 69, 21), true, false));
    controls.push_back(
        panel(ids::Exit, K::PushButton, "Exit", DialogUnitsToPixels(493, 327, 69, 21), true, true));
    controls.push_back(
        panel(ids::UiList, K::DropDownList, "", DialogUnitsToPixels(492, 42, 69, 68), true, false));
    Control language = panel(ids::LanguageList, K::DropDownList, "",
                             DialogUnitsToPixels(491, 97, 69, 68), true, true);
    language.items = {"English", "French"};
    controls.push_back(language);
    controls.push_back(panel(ids::FindList, K::DropDownList, "",
                             DialogUnitsToPixels(14, 347, 146, 88), true, false));
    controls.push_back(panel(ids::ConstellationList, K::DropDownList, "",
                             DialogUnitsToPixels(170, 346, 146, 87), true, false));
    controls.push_back(panel(ids::SpectrumList, K::DropDownList, "",
                             DialogUnitsToPixels(326, 346, 146, 91), true, false));
    controls.push_back(
        panel(ids::Up, K::PushButton, "Up", DialogUnitsToPixels(500, 126, 50, 25), false, false));
    controls.push_back(panel(ids::Down, K::PushButton, "Down",
                             DialogUnitsToPixels(499, 176, 50, 25), false, false));
    Control side = panel(ids::SidePanelLabel, K::TextStatic, "",
                         DialogUnitsToPixels(504, 236, 34, 22), true, true);
    side.verticallyCentred = true;
    controls.push_back(side);
    controls.push_back(
        panel(kUnnamedControl, K::GroupBox, "", DialogUnitsToPixels(483, 8, 86, 358), true, true));
    controls.push_back(
        panel(kUnnamedControl, K::GroupBox, "", DialogUnitsToPixels(6, 326, 473, 40), true, true));
    controls.push_back(panel(kUnnamedControl, K::TextStatic, "UI list",
                             DialogUnitsToPixels(492, 19, 69, 21), true, true));
    controls.push_back(panel(kUnnamedControl, K::TextStatic, "Language list",
                             DialogUnitsToPixels(491, 74, 69, 21), true, true));
    controls.push_back(panel(kUnnamedControl, K::TextStatic, "Find list",
                             DialogUnitsToPixels(14, 330, 77, 16), true, true));
    controls.push_back(panel(kUnnamedControl, K::TextStatic, "Constellation list",
                             DialogUnitsToPixels(170, 330, 77, 16), true, true));
    controls.push_back(panel(kUnnamedControl, K::TextStatic, "Specturm list",
                             DialogUnitsToPixels(326, 330, 77, 16), true, true));
    return controls;
}

}  // namespace mirelta
