// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/headless_driver.h"

#include "platform/window_template.h"

namespace mirelta {

HeadlessDriver::HeadlessDriver() {
    document_.OnInitDialog();
}

Error HeadlessDriver::open(const std::string& path, std::chrono::milliseconds deadline) {
    return document_.OpenPath(path, deadline);
}

Error HeadlessDriver::open(const std::string& path, ReadResult read) {
    return document_.OpenImage(path, std::move(read));
}

Error HeadlessDriver::open(const std::string& path, const SourceImage& image) {
    return open(path, ReadResult{{}, std::make_unique<SourceImage>(image)});
}

void HeadlessDriver::chooseLanguage(UiLanguage language) {
    document_.choose(ids::LanguageList, static_cast<int>(language));
}

ViewOutcome HeadlessDriver::view(const ViewChoices& choices) {
    if (choices.language) {
        chooseLanguage(*choices.language);
    }
    if (!document_.show(choices.screen, choices.record)) {
        return ViewOutcome::NoSuchRecord;
    }
    if (choices.referenceBottom) {
        if (choices.screen != ScreenKind::Spectrum) {
            return ViewOutcome::ReferenceOffSpectrum;
        }
        document_.StepRefLevelTo(*choices.referenceBottom);
    }
    if (choices.pointer) {
        movePointer(*choices.pointer);
    }
    document_.RefreshCursorReadout();
    return ViewOutcome::Shown;
}

bool HeadlessDriver::show(ScreenKind kind, int index) {
    const bool shown = document_.show(kind, index);
    document_.RefreshCursorReadout();
    return shown;
}

void HeadlessDriver::movePointer(QPoint position) {
    document_.TrackCursor(position);
    document_.repaint();
}

}  // namespace mirelta
