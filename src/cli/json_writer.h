// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace mirelta::cli {

// Compact JSON onto a stream; commas are placed by the writer. Strings must be UTF-8.
class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(std::int64_t number);
    // At most two decimals, trailing zeros dropped; null when not finite, which JSON cannot hold.
    void decimal(double number);
    void flag(bool truth);
    void null();

    template <typename T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

  private:
    void separate();
    std::ostream& out_;
    std::vector<bool> first_;  // per open container: nothing written in it yet
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view text);

}  // namespace mirelta::cli
