// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless_window.h"

#include <QGuiApplication>

#include "cli/failure.h"
#include "cli/loaded_file.h"
#include "platform/window_template.h"

namespace mirelta::cli {

OffscreenGui::OffscreenGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() = default;

HeadlessWindow::HeadlessWindow() {
    logic.OnInitDialog();
}

Error HeadlessWindow::open(const SourceOptions& source) {
    ReadResult read = ReadSourceFile(source.path, source.deadline);
    WarnIfNotMeterImage(read, source.path);
    return logic.OpenImage(source.path, std::move(read));
}

void HeadlessWindow::chooseLanguage(int entry) {
    logic.controls().setSelection(ids::LanguageList, entry);
    logic.OnLanguageListChange();
}

void HeadlessWindow::chooseScreen(int entry) {
    logic.controls().setSelection(ids::UiList, entry);
    logic.OnUiListChange();
}

bool HeadlessWindow::pickRecord(int screen, int entry) {
    const int list = screen == 0   ? ids::FindList
                     : screen == 1 ? ids::ConstellationList
                                   : ids::SpectrumList;
    if (entry >= logic.controls().itemCount(list)) {
        return false;
    }
    logic.controls().setSelection(list, entry);
    if (screen == 0) {
        logic.OnFindListChange();
    } else if (screen == 1) {
        logic.OnConstellationListChange();
    } else {
        logic.OnSpectrumListChange();
    }
    return true;
}

void HeadlessWindow::moveReferenceWindow(int bottom) {
    logic.StepRefLevelTo(bottom);
}

void HeadlessWindow::movePointer(int x, int y) {
    logic.TrackCursor(QPoint(x, y));
    logic.compositor().repaintWindow();
}

Error HeadlessWindow::drive(const WindowOptions& options) {
    if (Error error = open(options.source); !error.ok()) {
        return error;
    }
    // The user's order in the window: the language first, then the screen and its record, so
    // the record pick is the last thing to lay the screen out.
    if (options.language) {
        chooseLanguage(*options.language);
    }
    chooseScreen(options.screen);
    if (options.record && !pickRecord(options.screen, *options.record)) {
        return UsageError("the record list has no entry " + std::to_string(*options.record));
    }
    if (options.refBottom) {
        if (options.screen != 2) {
            return UsageError("--ref-bottom applies to the spectrum screen only");
        }
        moveReferenceWindow(*options.refBottom);
    }
    if (options.cursor) {
        movePointer(options.cursor->first, options.cursor->second);
    }
    tick();
    return {};
}

}  // namespace mirelta::cli
