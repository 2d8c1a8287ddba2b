// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli describe: the window's state after the given steps, as JSON.
#include <iostream>

#include "cli/command.h"
#include "cli/failure.h"
#include "cli/json_writer.h"
#include "cli/offscreen_gui.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta::cli {
namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextStatic:
            return "static";
        case ControlKind::BitmapStatic:
            return "bitmap";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::DropDownList:
            return "list";
        case ControlKind::GroupBox:
            return "group";
    }
    return "static";
}

void WriteControl(JsonWriter& json, const Control& c) {
    json.beginObject();
    json.field("id", c.id);
    json.field("kind", KindName(c.kind));
    json.key("replica");
    json.flag(c.replica);
    json.key("visible");
    json.flag(c.visible);
    json.key("enabled");
    json.flag(c.enabled);
    json.key("rect");
    json.beginArray();
    for (int v : {c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}) {
        json.value(static_cast<std::int64_t>(v));
    }
    json.endArray();
    json.field("text", DecodeLocalTextToUtf8(c.text));
    json.field("align", c.style & kAlignmentMask);
    if (c.kind == ControlKind::DropDownList) {
        json.key("items");
        json.beginArray();
        for (const std::string& item : c.items) {
            json.value(DecodeLocalTextToUtf8(item));
        }
        json.endArray();
        json.field("selection", c.selection);
    }
    json.endObject();
}

void WriteState(std::ostream& out, const HeadlessDriver& driver) {
    const Document& logic = driver.document();
    const SpectrumScreen& spectrum = logic.spectrum();
    JsonWriter json(out);
    json.beginObject();
    json.field("screen_mode", static_cast<int>(logic.ScreenMode()));
    json.field("language", LanguageName(logic.Language()));
    json.field("title", DecodeLocalTextToUtf8(logic.controls().text(ids::Title)));
    json.key("draw_enabled");
    json.flag(logic.DrawEnabled());
    json.field("ref_level_bottom", spectrum.RefLevelBottom());
    json.field("ref_level_top", spectrum.RefLevelTop());
    json.field("freq_step", spectrum.FreqStep());
    json.key("cursor");
    json.beginArray();
    json.value(static_cast<std::int64_t>(spectrum.CursorX()));
    json.value(static_cast<std::int64_t>(spectrum.CursorY()));
    json.endArray();
    json.field("tooltip", spectrum.toolTipText());
    json.key("messages");
    json.beginArray();
    for (const std::string& message : driver.prompts().messages) {
        json.value(message);
    }
    json.endArray();
    json.key("controls");
    json.beginArray();
    for (const Control& c : logic.controls().all()) {
        WriteControl(json, c);
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

int RunDescribe(const QCommandLineParser& parser) {
    WindowOptions options;
    if (const Failure error = ParseWindowOptions(parser, options); !error.ok()) {
        return Fail(kDescribeCommand, error);
    }
    const OffscreenGui gui;
    HeadlessDriver driver;
    if (const Failure error = DriveWindow(driver, options); !error.ok()) {
        return Fail(kDescribeCommand, error, options.source.path);
    }
    WriteState(std::cout, driver);
    return ExitCode(FailureKind::None);
}

}  // namespace

const Command kDescribeCommand{
    "describe",
    "FILE --screen find|constellation|spectrum [--record N]\n"
    "[--language en|fr] [--ref-bottom DB] [--cursor X,Y]",
    "the main window's state after the given steps, as JSON",
    "Runs the main window's own steps without a window: open FILE, choose the\n"
    "language (only when --language is given), choose the screen in the UI list,\n"
    "pick entry N of its record list, move the spectrum reference window, move the\n"
    "pointer to X,Y and repaint, then\n"
    "one tick of the read-out timer. Prints that state as JSON: screen mode,\n"
    "language, title, drawing flag, reference window, FreqStep, cursor, tool-tip,\n"
    "messages and every control (id, kind, visible, enabled, rect as left, top,\n"
    "right, bottom client pixels, text in UTF-8, alignment).",
    WindowOptionList,
    RunDescribe};

}  // namespace mirelta::cli
