// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/offscreen_gui.h"

#include <QGuiApplication>

#include "cli/failure.h"
#include "cli/loaded_file.h"

namespace mirelta::cli {

OffscreenGui::OffscreenGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() = default;

Failure DriveWindow(HeadlessDriver& driver, const WindowOptions& options) {
    ReadResult read = ReadSourceFile(options.source.path, options.source.deadline);
    WarnIfNotMeterImage(read, options.source.path);
    if (Failure error = driver.open(options.source.path, std::move(read)); !error.ok()) {
        return error;
    }
    ViewChoices choices;
    choices.screen = static_cast<ScreenKind>(options.screen);
    choices.record = options.record;
    choices.referenceBottom = options.refBottom;
    if (options.language) {
        choices.language = static_cast<UiLanguage>(*options.language);
    }
    if (options.cursor) {
        choices.pointer = QPoint(options.cursor->first, options.cursor->second);
    }
    switch (driver.view(choices)) {
        case ViewOutcome::NoSuchRecord:
            return UsageError("the record list has no entry " + std::to_string(*options.record));
        case ViewOutcome::ReferenceOffSpectrum:
            return UsageError("--ref-bottom applies to the spectrum screen only");
        case ViewOutcome::Shown:
            break;
    }
    return {};
}

}  // namespace mirelta::cli
