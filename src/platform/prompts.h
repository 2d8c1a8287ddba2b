// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace mirelta {

// The modal questions the main window asks: message boxes and file dialogs.
class Prompts {
  public:
    virtual ~Prompts() = default;
    // Text in code page 936 bytes; the detail (UTF-8) says why, where there is a reason to give.
    virtual void messageBox(const std::string& text, const std::string& detail) = 0;
    void messageBox(const std::string& text) { messageBox(text, std::string()); }
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& defaultExtension,
                                                    const std::string& defaultName,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> folderName(const std::string& title) = 0;
    // A yes/no question (UTF-8) whose safe answer is No; true for Yes.
    virtual bool question(const std::string& text) = 0;
};

}  // namespace mirelta
