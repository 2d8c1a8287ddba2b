// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/source_image.h"

#include <algorithm>
#include <stdexcept>

#include "data/byte_order.h"
#include "data/constellation_record.h"
#include "data/find_record.h"
#include "data/spectrum_record.h"

namespace mirelta {
namespace {

constexpr std::size_t kSignatureOffset = 0;
constexpr std::size_t kConstellationMaskOffset = 4;
constexpr std::size_t kConstellationMaskSize = 2;
constexpr std::size_t kConstellationSlotsOffset = 8;
constexpr std::size_t kSpectrumMaskOffset = 33033;
constexpr std::size_t kSpectrumSlotsOffset = 33040;
constexpr std::size_t kFindMaskOffset = 39569;
constexpr std::size_t kFindSlotsOffset = 39576;
constexpr std::size_t kWideMaskSize = 4;

// Masks are read byte by byte, least significant bit first, so the odd offsets are harmless.
bool MaskBit(std::span<const std::uint8_t> bytes, std::size_t maskOffset, int slots, int n) {
    if (n < 0 || n >= slots) {
        return false;
    }
    return (bytes[maskOffset + static_cast<std::size_t>(n / 8)] >> (n % 8)) & 1;
}

std::span<const std::uint8_t> Slot(std::span<const std::uint8_t> bytes, std::size_t arrayOffset,
                                   std::size_t recordSize, int slots, int n) {
    if (n < 0 || n >= slots) {
        throw std::out_of_range("record slot out of range");
    }
    return bytes.subspan(arrayOffset + recordSize * static_cast<std::size_t>(n), recordSize);
}

}  // namespace

std::uint32_t SourceImage::signature() const {
    return ReadU32Le(bytes, kSignatureOffset);
}

void SourceImage::setSignature(std::uint32_t value) {
    WriteU32Le(bytes, kSignatureOffset, value);
}

bool SourceImage::constellationSlotUsed(int n) const {
    return MaskBit(bytes, kConstellationMaskOffset, kConstellationSlots, n);
}

bool SourceImage::spectrumSlotUsed(int n) const {
    return MaskBit(bytes, kSpectrumMaskOffset, kSpectrumSlots, n);
}

bool SourceImage::findSlotUsed(int n) const {
    return MaskBit(bytes, kFindMaskOffset, kFindSlots, n);
}

void SourceImage::clearMasks() {
    const auto clear = [this](std::size_t offset, std::size_t size) {
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, std::uint8_t{0});
    };
    clear(kConstellationMaskOffset, kConstellationMaskSize);
    clear(kSpectrumMaskOffset, kWideMaskSize);
    clear(kFindMaskOffset, kWideMaskSize);
}

std::span<const std::uint8_t> SourceImage::constellationSlot(int n) const {
    return Slot(bytes, kConstellationSlotsOffset, ConstellationRecord::kSize, kConstellationSlots,
                n);
}

std::span<const std::uint8_t> SourceImage::spectrumSlot(int n) const {
    return Slot(bytes, kSpectrumSlotsOffset, SpectrumRecord::kSize, kSpectrumSlots, n);
}

std::span<const std::uint8_t> SourceImage::findSlot(int n) const {
    return Slot(bytes, kFindSlotsOffset, FindRecord::kSize, kFindSlots, n);
}

}  // namespace mirelta
