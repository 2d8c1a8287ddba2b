#include "export/screen_capture.h"

#include "export/diagnostic_lines.h"
#include "export/image_file.h"

namespace mirelta {

bool WriteScreenCapture(const QImage& replica, const Rect& area, const std::string& path,
                        int bitsPerPixel, Prompts& prompts, std::ostream& diagnostics) {
    diagnostics << DiagnosticLines(bitsPerPixel, area.width(), area.height()) << std::flush;
    const SaveResult result = SaveImageFile(replica.copy(area.toQRect()), path, bitsPerPixel);
    if (!result.ok()) {
        prompts.messageBox("Cannot save the picture to\n" + path, result.reason());
    }
    return result.ok();
}

}  // namespace mirelta
