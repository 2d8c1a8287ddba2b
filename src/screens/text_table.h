// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "screens/screen_mode.h"

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

// Alignment styles that SetLabel writes into a label; kStyleUnchanged marks a label that must
// not receive a text.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCentre = 1;
inline constexpr int kAlignRight = 2;
inline constexpr int kStyleUnchanged = -1;

// A table text in the given language: French for French, English for any other value.
const char* TableText(int textId, UiLanguage language);

}  // namespace mirelta
