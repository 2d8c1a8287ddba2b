#include "cli/window_options.h"

#include <charconv>

namespace mirelta::cli {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseLanguage(const std::string& name) {
    if (name == "en") {
        return 0;
    }
    if (name == "fr") {
        return 1;
    }
    return std::nullopt;
}

const char* LanguageName(int language) {
    return language == 1 ? "fr" : "en";
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

std::optional<std::string> ParsePictureOption(const Arguments& args, std::size_t& k,
                                              bool allowDepth, PictureOptions& out) {
    const std::string& arg = args[k];
    const bool language = arg == "--language";
    const bool depth = allowDepth && arg == "--depth";
    if ((language || depth) && k + 1 >= args.size()) {
        return arg + " needs a value";
    }
    if (language) {
        const auto entry = ParseLanguage(args[++k]);
        if (!entry) {
            return "--language must be en or fr";
        }
        out.language = *entry;
        return "";
    }
    if (depth) {
        const auto bits = ParseInt(args[++k]);
        if (!bits || (*bits != 16 && *bits != 24 && *bits != 32)) {
            return "--depth must be 16, 24 or 32";
        }
        out.depth = *bits;
        return "";
    }
    if (arg.empty() || arg[0] != '-') {
        if (!out.path.empty()) {
            return "more than one FILE given";
        }
        out.path = arg;
        return "";
    }
    return std::nullopt;
}

std::string ParseWindowOptions(const Arguments& args, bool withOutput, WindowOptions& out) {
    bool haveScreen = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (const auto shared = ParsePictureOption(args, k, withOutput, out)) {
            if (!shared->empty()) {
                return *shared;
            }
            continue;
        }
        const std::string& arg = args[k];
        const bool takesValue = arg == "--screen" || arg == "--record" || arg == "--ref-bottom" ||
                                arg == "--cursor" || (withOutput && arg == "-o");
        if (takesValue && k + 1 >= args.size()) {
            return arg + " needs a value";
        }
        if (arg == "--screen") {
            const auto screen = ParseScreen(args[++k]);
            if (!screen) {
                return "--screen must be find, constellation or spectrum";
            }
            out.screen = *screen;
            haveScreen = true;
        } else if (arg == "--record") {
            const auto record = ParseInt(args[++k]);
            if (!record || *record < 0) {
                return "--record must be a list entry number from 0";
            }
            out.record = record;
        } else if (arg == "--ref-bottom") {
            const auto bottom = ParseInt(args[++k]);
            if (!bottom || *bottom < 0 || *bottom > 70 || *bottom % 5 != 0) {
                return "--ref-bottom must be a multiple of 5 from 0 to 70";
            }
            out.refBottom = bottom;
        } else if (arg == "--cursor") {
            out.cursor = ParseCursor(args[++k]);
            if (!out.cursor) {
                return "--cursor must be X,Y in client pixels";
            }
        } else if (withOutput && arg == "-o") {
            out.output = args[++k];
        } else {
            return "unknown option " + arg;
        }
    }
    if (out.path.empty()) {
        return "FILE is missing";
    }
    if (!haveScreen) {
        return "--screen is missing";
    }
    if (withOutput && out.output.empty()) {
        return "-o OUT.png or -o OUT.bmp is missing";
    }
    return "";
}

}  // namespace mirelta::cli
