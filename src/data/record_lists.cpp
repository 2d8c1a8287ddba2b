// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/record_lists.h"

#include <algorithm>
#include <span>

namespace mirelta {
namespace {

template <typename Record, std::size_t N, typename Used, typename SlotBytes>
int CopyOccupied(std::array<Record, N>& out, Used used, SlotBytes slotBytes) {
    int count = 0;
    for (int n = 0; n < static_cast<int>(N); ++n) {
        if (used(n)) {
            const std::span<const std::uint8_t> slot = slotBytes(n);
            std::copy(slot.begin(), slot.end(), out[static_cast<std::size_t>(count)].bytes.begin());
            ++count;
        }
    }
    return count;
}

}  // namespace

RecordLists Load(SourceImage& image) {
    if (image.signature() != kValidSignature) {
        image.setSignature(kValidSignature);
        image.clearMasks();
    }

    RecordLists lists;
    lists.spectrumCount = CopyOccupied(
        lists.spectrum, [&](int n) { return image.spectrumSlotUsed(n); },
        [&](int n) { return image.spectrumSlot(n); });
    lists.constellationCount = CopyOccupied(
        lists.constellation, [&](int n) { return image.constellationSlotUsed(n); },
        [&](int n) { return image.constellationSlot(n); });
    lists.findCount = CopyOccupied(
        lists.find, [&](int n) { return image.findSlotUsed(n); },
        [&](int n) { return image.findSlot(n); });
    return lists;
}

}  // namespace mirelta
