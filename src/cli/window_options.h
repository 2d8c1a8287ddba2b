#pragma once

#include <optional>
#include <string>

#include "cli/command.h"

namespace mirelta::cli {

// The state that describe and render drive the window's logic to.
struct WindowOptions {
    std::string path;
    int screen = 0;                // the UI list entry: 0 find, 1 constellation, 2 spectrum
    std::optional<int> record;     // entry of that screen's record list
    int language = 0;              // the Language list entry: 0 English, 1 French
    std::optional<int> refBottom;  // a multiple of 5 within 0..70
    std::optional<std::pair<int, int>> cursor;
    std::string output;  // render only
    int depth = 32;      // render only
};

// Parses the shared options; `withOutput` adds -o and --depth. Returns an error message or "".
std::string ParseWindowOptions(const Arguments& args, bool withOutput, WindowOptions& out);

// Parses a non-negative or signed decimal integer, the whole text.
std::optional<int> ParseInt(const std::string& text);

// Language names of the command line.
std::optional<int> ParseLanguage(const std::string& name);
const char* LanguageName(int language);

}  // namespace mirelta::cli
