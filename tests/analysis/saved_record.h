// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {

// The spectrum record the loader makes of `fields` saved in a memory image.
inline SpectrumRecord SavedRecord(const fixtures::SpectrumFields& fields) {
    SourceImage image = fixtures::ImageBuilder().addSpectrum(0, fields).image();
    return Load(image).spectrum[0];
}

}  // namespace mirelta
