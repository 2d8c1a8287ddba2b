// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "cli/failure.h"
#include "cli/window_options.h"
#include "platform/runtime_folder.h"
#include "screens/headless_driver.h"

class QGuiApplication;

namespace mirelta::cli {

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

// Opens the options' file on the driver and makes their choices as a user would in the window;
// stops at the first failure.
Failure DriveWindow(HeadlessDriver& driver, const WindowOptions& options);

}  // namespace mirelta::cli
