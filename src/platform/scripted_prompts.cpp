// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scripted_prompts.h"

namespace mirelta {

std::optional<std::string> ScriptedPrompts::openFileName(const std::string& filter) {
    dialogFilters.push_back(filter);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompts::saveFileName(const std::string&, const std::string&,
                                                         const std::string& filter) {
    return openFileName(filter);
}

bool ScriptedPrompts::question(const std::string& text) {
    questions.push_back(text);
    if (questionAnswers.empty()) {
        return true;
    }
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

}  // namespace mirelta
