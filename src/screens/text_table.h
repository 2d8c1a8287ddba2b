#pragma once

#include <cstdint>
#include <span>

namespace mirelta {

struct TextEntry {
    std::int32_t id;
    const char* english;
    const char* french;  // code page 936 bytes
};

// The bilingual label table; entry k holds TextId k.
std::span<const TextEntry> TextTable();

namespace text_id {
inline constexpr int Custom = 37;  // a caller's own text, "..." when it gives none
inline constexpr int Empty = 38;
}  // namespace text_id

// A table text in the given language: French for 1, English for anything else.
const char* TableText(int textId, std::int32_t language);

}  // namespace mirelta
