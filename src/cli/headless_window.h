// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "cli/window_options.h"
#include "data/error.h"
#include "platform/runtime_folder.h"
#include "platform/scripted_prompts.h"
#include "screens/main_window_logic.h"

class QGuiApplication;

namespace mirelta::cli {

// The main window's logic without a window: the same handlers, controls and pixels.
class HeadlessWindow {
  public:
    HeadlessWindow();

    // Opens the file as the Open button does.
    Error open(const SourceOptions& source);
    void chooseLanguage(int entry);
    void chooseScreen(int entry);
    // Picks entry `entry` of the shown screen's record list; false when the list has no such entry.
    bool pickRecord(int screen, int entry);
    void moveReferenceWindow(int bottom);
    void movePointer(int x, int y);
    void tick() { logic.RefreshCursorReadout(); }

    // Runs the whole sequence of the options; stops at the first failure.
    Error drive(const WindowOptions& options);

    ScriptedPrompts prompts;
    MainWindowLogic logic{prompts};
};

// The headless toolkit that fonts and images need, for the lifetime of one command.
class OffscreenGui {
  public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    int argc_ = 1;
    char name_[12] = "mirelta-cli";
    char* argv_[2] = {name_, nullptr};
    RuntimeFolder runtimeFolder_;
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace mirelta::cli
