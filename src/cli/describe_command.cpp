// mirelta-cli describe: the window's state after the given steps, as JSON.
#include <iostream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/headless_window.h"
#include "cli/json_writer.h"
#include "cli/usage.h"
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

void WriteState(std::ostream& out, const HeadlessWindow& window) {
    const MainWindowLogic& logic = window.logic;
    JsonWriter json(out);
    json.beginObject();
    json.field("screen_mode", logic.ScreenMode);
    json.field("language", LanguageName(logic.Language));
    json.field("title", DecodeLocalTextToUtf8(logic.controls.text(ids::Title)));
    json.key("draw_enabled");
    json.flag(logic.DrawEnabled);
    json.field("ref_level_bottom", logic.RefLevelBottom);
    json.field("ref_level_top", logic.RefLevelTop);
    json.field("freq_step", logic.FreqStep);
    json.key("cursor");
    json.beginArray();
    json.value(static_cast<std::int64_t>(logic.CursorX));
    json.value(static_cast<std::int64_t>(logic.CursorY));
    json.endArray();
    json.field("tooltip", logic.toolTipText);
    json.key("messages");
    json.beginArray();
    for (const std::string& message : window.prompts.messages) {
        json.value(message);
    }
    json.endArray();
    json.key("controls");
    json.beginArray();
    for (const Control& c : logic.controls.all()) {
        WriteControl(json, c);
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

int RunDescribe(const Arguments& args) {
    WindowOptions options;
    if (const std::string error = ParseWindowOptions(args, false, options); !error.empty()) {
        return UsageError(kDescribeCommand, error);
    }
    const OffscreenGui gui;
    HeadlessWindow window;
    if (const int code = window.drive(options); code != kExitOk) {
        return code;
    }
    WriteState(std::cout, window);
    return kExitOk;
}

}  // namespace

const Command kDescribeCommand{
    "describe",
    "mirelta-cli describe FILE --screen find|constellation|spectrum [--record N]\n"
    "                     [--language en|fr] [--ref-bottom DB] [--cursor X,Y]",
    RunDescribe};

}  // namespace mirelta::cli
