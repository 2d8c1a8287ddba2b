// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/screen_capture.h"

#include "export/diagnostic_lines.h"
#include "export/image_file.h"

namespace mirelta {

QImage ScreenAreaOf(const QImage& replica, const Rect& area) {
    const QRect rect = area.toQRect();
    return rect == replica.rect() ? replica : replica.copy(rect);
}

bool WriteScreenCapture(const QImage& replica, const Rect& area, const std::string& path,
                        int bitsPerPixel, Prompts& prompts, std::ostream& diagnostics) {
    diagnostics << DiagnosticLines(bitsPerPixel, area.width(), area.height()) << std::flush;
    const SaveResult result = SaveImageFile(ScreenAreaOf(replica, area), path, bitsPerPixel);
    if (!result.ok()) {
        prompts.messageBox("Cannot save the picture to\n" + path, result.reason());
    }
    return result.ok();
}

}  // namespace mirelta
