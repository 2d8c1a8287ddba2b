#pragma once

#include <optional>
#include <string>

#include "cli/command.h"

namespace mirelta::cli {

// What every picture command takes: the file, the language and the BMP depth.
struct PictureOptions {
    std::string path;
    std::optional<int> language;  // the Language list entry: 0 English, 1 French; none if not given
    int depth = 32;
};

// Takes FILE, --language and, when allowed, --depth at args[k], moving k past a value.
// Returns std::nullopt when args[k] is none of them, otherwise "" or the error message.
std::optional<std::string> ParsePictureOption(const Arguments& args, std::size_t& k,
                                              bool allowDepth, PictureOptions& out);

// The state that describe and render drive the window's logic to.
struct WindowOptions : PictureOptions {
    int screen = 0;                // the UI list entry: 0 find, 1 constellation, 2 spectrum
    std::optional<int> record;     // entry of that screen's record list
    std::optional<int> refBottom;  // a multiple of 5 within 0..70
    std::optional<std::pair<int, int>> cursor;
    std::string output;  // render only
};

// Parses the shared options; `withOutput` adds -o and --depth. Returns an error message or "".
std::string ParseWindowOptions(const Arguments& args, bool withOutput, WindowOptions& out);

// Parses a signed decimal integer that makes up the whole text.
std::optional<int> ParseInt(const std::string& text);

// Language names of the command line.
std::optional<int> ParseLanguage(const std::string& name);
const char* LanguageName(int language);

}  // namespace mirelta::cli
