// mirelta-cli render: the replica image of the same state that describe prints.
#include <iostream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/headless_window.h"
#include "cli/usage.h"
#include "export/image_file.h"
#include "platform/window_template.h"

namespace mirelta::cli {
namespace {

int RunRender(const Arguments& args) {
    WindowOptions options;
    if (const std::string error = ParseWindowOptions(args, true, options); !error.empty()) {
        return UsageError(kRenderCommand, error);
    }
    const OffscreenGui gui;
    HeadlessWindow window;
    if (const int code = window.drive(options); code != kExitOk) {
        return code;
    }
    const QImage replica =
        window.logic.compositor.image().copy(window.logic.controls.rect(ids::ScreenArea).toQRect());
    const SaveResult saved = SaveImageFile(replica, options.output, options.depth);
    if (!saved.ok()) {
        std::cerr << "mirelta-cli: cannot write " << options.output << ": " << saved.reason()
                  << '\n';
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace

const Command kRenderCommand{
    "render",
    "mirelta-cli render FILE --screen find|constellation|spectrum -o OUT.png|OUT.bmp\n"
    "                   [--record N] [--language en|fr] [--ref-bottom DB] [--cursor X,Y]\n"
    "                   [--depth 16|24|32]",
    RunRender};

}  // namespace mirelta::cli
