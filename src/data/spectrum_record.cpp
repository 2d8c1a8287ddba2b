// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/spectrum_record.h"

#include "data/byte_order.h"
#include "data/text_field.h"

namespace mirelta {
namespace {

constexpr std::size_t kCursorFrequencyOffset = 32;
constexpr std::size_t kCursorLevelOffset = 44;
constexpr std::size_t kLevelsOffset = 52;

}  // namespace

std::string SpectrumRecord::listLabel() const {
    return ReadTextField(bytes, 0, 28);
}
std::int32_t SpectrumRecord::leftFrequency() const {
    return ReadS32Le(bytes, 28);
}
std::int32_t SpectrumRecord::cursorFrequency() const {
    return ReadS32Le(bytes, kCursorFrequencyOffset);
}
std::int32_t SpectrumRecord::rightFrequency() const {
    return ReadS32Le(bytes, 36);
}
std::int32_t SpectrumRecord::cursorLevel() const {
    return ReadS32Le(bytes, kCursorLevelOffset);
}
std::uint8_t SpectrumRecord::spanCode() const {
    return ReadU8(bytes, 48);
}
std::uint8_t SpectrumRecord::system() const {
    return ReadU8(bytes, 49);
}
std::uint8_t SpectrumRecord::modcod() const {
    return ReadU8(bytes, 50);
}
std::uint8_t SpectrumRecord::codeRate() const {
    return ReadU8(bytes, 51);
}

std::int8_t SpectrumRecord::level(int i) const {
    return ReadS8(bytes, kLevelsOffset + static_cast<std::size_t>(i));
}

void SpectrumRecord::setCursorFrequency(std::int32_t value) {
    WriteS32Le(bytes, kCursorFrequencyOffset, value);
}

void SpectrumRecord::setCursorLevel(std::int32_t value) {
    WriteS32Le(bytes, kCursorLevelOffset, value);
}

}  // namespace mirelta
