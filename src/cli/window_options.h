// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/failure.h"
#include "screens/screen_mode.h"

namespace mirelta::cli {

// What every picture command takes: the source, the language and the BMP depth.
struct PictureOptions {
    SourceOptions source;
    std::optional<int> language;  // the Language list entry: 0 English, 1 French; none if not given
    int depth = 32;
};

QCommandLineOption LanguageOption();
QCommandLineOption DepthOption();
// FILE, --read-timeout and --language; --depth apart, for the commands that write pictures.
Failure ParsePictureOptions(const QCommandLineParser& parser, PictureOptions& out);
Failure ParseDepth(const QCommandLineParser& parser, PictureOptions& out);

// The state that describe and render drive the window's logic to.
struct WindowOptions : PictureOptions {
    int screen = 0;                // the UI list entry: 0 find, 1 constellation, 2 spectrum
    std::optional<int> record;     // entry of that screen's record list
    std::optional<int> refBottom;  // a multiple of 5 within 0..70
    std::optional<std::pair<int, int>> cursor;
};

// describe's options, which render shares.
std::vector<QCommandLineOption> WindowOptionList();
Failure ParseWindowOptions(const QCommandLineParser& parser, WindowOptions& out);

// Language names of the command line.
std::optional<int> ParseLanguage(const std::string& name);
const char* LanguageName(UiLanguage language);

}  // namespace mirelta::cli
