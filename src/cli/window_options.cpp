// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_options.h"

#include "cli/failure.h"

namespace mirelta::cli {

std::optional<int> ParseLanguage(const std::string& name) {
    if (name == "en") {
        return 0;
    }
    if (name == "fr") {
        return 1;
    }
    return std::nullopt;
}

const char* LanguageName(UiLanguage language) {
    return language == UiLanguage::French ? "fr" : "en";
}

namespace {

std::optional<int> ParseScreen(const std::string& name) {
    if (name == "find") {
        return 0;
    }
    if (name == "constellation") {
        return 1;
    }
    if (name == "spectrum") {
        return 2;
    }
    return std::nullopt;
}

std::optional<std::pair<int, int>> ParseCursor(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const auto x = ParseInt(text.substr(0, comma));
    const auto y = ParseInt(text.substr(comma + 1));
    if (!x || !y) {
        return std::nullopt;
    }
    return std::make_pair(*x, *y);
}

}  // namespace

QCommandLineOption LanguageOption() {
    return {"language", "The Language list's choice: en (default) or fr.", "en|fr"};
}

QCommandLineOption DepthOption() {
    return {"depth", "Bits per pixel of a BMP picture: 16, 24 or 32 (default).", "16|24|32"};
}

Failure ParsePictureOptions(const QCommandLineParser& parser, PictureOptions& out) {
    if (const Failure error = ParseSourceOptions(parser, out.source); !error.ok()) {
        return error;
    }
    if (parser.isSet("language")) {
        const auto entry = ParseLanguage(Value(parser, "language"));
        if (!entry) {
            return UsageError("--language must be en or fr");
        }
        out.language = *entry;
    }
    return {};
}

Failure ParseDepth(const QCommandLineParser& parser, PictureOptions& out) {
    if (parser.isSet("depth")) {
        const auto bits = ParseInt(Value(parser, "depth"));
        if (!bits || (*bits != 16 && *bits != 24 && *bits != 32)) {
            return UsageError("--depth must be 16, 24 or 32");
        }
        out.depth = *bits;
    }
    return {};
}

std::vector<QCommandLineOption> WindowOptionList() {
    return {
        {"screen", "The UI list's choice of screen (required).", "find|constellation|spectrum"},
        {"record",
         "Picks entry N (from 0) of that screen's record list, as a click in the\n"
         "window's list does; without it nothing is picked, and the screen shows\n"
         "entry 0 as the switch to it laid it out.",
         "N"},
        LanguageOption(),
        {"ref-bottom",
         "Spectrum only: moves the reference window to bottom DB, a multiple\nof 5 from 0 to 70.",
         "DB"},
        {"cursor", "Moves the pointer to X,Y in client pixels.", "X,Y"},
        ReadTimeoutOption(),
    };
}

Failure ParseWindowOptions(const QCommandLineParser& parser, WindowOptions& out) {
    if (const Failure error = ParsePictureOptions(parser, out); !error.ok()) {
        return error;
    }
    if (!parser.isSet("screen")) {
        return UsageError("--screen is missing");
    }
    const auto screen = ParseScreen(Value(parser, "screen"));
    if (!screen) {
        return UsageError("--screen must be find, constellation or spectrum");
    }
    out.screen = *screen;
    if (parser.isSet("record")) {
        out.record = ParseInt(Value(parser, "record"));
        if (!out.record || *out.record < 0) {
            return UsageError("--record must be a list entry number from 0");
        }
    }
    if (parser.isSet("ref-bottom")) {
        out.refBottom = ParseInt(Value(parser, "ref-bottom"));
        if (!out.refBottom || *out.refBottom < 0 || *out.refBottom > 70 ||
            *out.refBottom % 5 != 0) {
            return UsageError("--ref-bottom must be a multiple of 5 from 0 to 70");
        }
    }
    if (parser.isSet("cursor")) {
        out.cursor = ParseCursor(Value(parser, "cursor"));
        if (!out.cursor) {
            return UsageError("--cursor must be X,Y in client pixels");
        }
    }
    return {};
}

}  // namespace mirelta::cli
