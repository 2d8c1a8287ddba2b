// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <vector>

#include "platform/prompts.h"

namespace mirelta {

// Prompts answered from a queue, recording every message: for tests and the command-line tool.
// An empty queue answers a file dialog with a cancel, and a question with Yes: the command-line
// tool reads whatever it is given and says so itself.
class ScriptedPrompts : public Prompts {
  public:
    using Prompts::messageBox;
    void messageBox(const std::string& text, const std::string& detail) override {
        messages.push_back(text);
        details.push_back(detail);
    }
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& defaultExtension,
                                            const std::string& defaultName,
                                            const std::string& filter) override;
    std::optional<std::string> folderName(const std::string& title) override {
        return openFileName(title);
    }
    bool question(const std::string& text) override;

    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<std::string> messages;
    std::vector<std::string> details;        // the detail text of each message, "" for none
    std::vector<std::string> dialogFilters;  // the filter of every file dialog shown
    std::deque<bool> questionAnswers;
    std::vector<std::string> questions;
};

}  // namespace mirelta
