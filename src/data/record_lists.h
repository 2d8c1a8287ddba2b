// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "data/constellation_record.h"
#include "data/find_record.h"
#include "data/source_image.h"
#include "data/spectrum_record.h"

namespace mirelta {

// The occupied slots of an image, packed to the front of each array in slot order; entries
// past each count are all-zero records.
struct RecordLists {
    std::array<FindRecord, 32> find{};
    std::array<ConstellationRecord, 16> constellation{};
    std::array<SpectrumRecord, 32> spectrum{};
    int findCount = 0;
    int constellationCount = 0;
    int spectrumCount = 0;
    std::uint8_t selectedFind = 0;
    std::uint8_t selectedConstellation = 0;
    std::uint8_t selectedSpectrum = 0;
};

// An image with a wrong signature counts as an empty memory: `image` gets the valid signature
// and all masks cleared before the occupied slots are copied.
RecordLists Load(SourceImage& image);

}  // namespace mirelta
