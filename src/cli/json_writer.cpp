// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/decimal_text.h"

namespace mirelta::cli {

std::string JsonQuote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    quoted += '"';
    return quoted;
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) {
            out_ << ',';
        }
        first_.back() = false;
    }
}

void JsonWriter::beginObject() {
    separate();
    out_ << '{';
    first_.push_back(true);
}

void JsonWriter::endObject() {
    out_ << '}';
    first_.pop_back();
}

void JsonWriter::beginArray() {
    separate();
    out_ << '[';
    first_.push_back(true);
}

void JsonWriter::endArray() {
    out_ << ']';
    first_.pop_back();
}

void JsonWriter::key(std::string_view name) {
    separate();
    out_ << JsonQuote(name) << ':';
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    out_ << JsonQuote(text);
}

void JsonWriter::value(std::int64_t number) {
    separate();
    out_ << number;
}

void JsonWriter::decimal(double number) {
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    out_ << ShortDecimalText(number);
}

void JsonWriter::null() {
    separate();
    out_ << "null";
}

void JsonWriter::flag(bool truth) {
    separate();
    out_ << (truth ? "true" : "false");
}

}  // namespace mirelta::cli
