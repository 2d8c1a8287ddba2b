#pragma once

#include <optional>
#include <string>

namespace mirelta {

// The modal questions the main window asks: message boxes and file dialogs.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual void messageBox(const std::string& text) = 0;  // text in code page 936 bytes
    // The same box with a second, smaller text under the first: the reason behind the message.
    virtual void messageBox(const std::string& text, const std::string& detail) = 0;
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& defaultExtension,
                                                    const std::string& defaultName,
                                                    const std::string& filter) = 0;
};

}  // namespace mirelta
