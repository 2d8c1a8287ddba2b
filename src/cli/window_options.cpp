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

std::string ParseWindowOptions(const Arguments& args, bool withOutput, WindowOptions& out) {
    bool haveScreen = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const bool takesValue = arg == "--screen" || arg == "--record" || arg == "--language" ||
                                arg == "--ref-bottom" || arg == "--cursor" ||
                                (withOutput && (arg == "-o" || arg == "--depth"));
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
        } else if (arg == "--language") {
            const auto language = ParseLanguage(args[++k]);
            if (!language) {
                return "--language must be en or fr";
            }
            out.language = *language;
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
        } else if (withOutput && arg == "--depth") {
            const auto depth = ParseInt(args[++k]);
            if (!depth || (*depth != 16 && *depth != 24 && *depth != 32)) {
                return "--depth must be 16, 24 or 32";
            }
            out.depth = *depth;
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option " + arg;
        } else if (out.path.empty()) {
            out.path = arg;
        } else {
            return "more than one FILE given";
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
