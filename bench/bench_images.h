// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures/image_builder.h"

namespace mirelta::bench {

// A memory with every slot used: 32 Find, 16 Constellation and 32 Spectrum records.
fixtures::ImageBuilder FullImage();

// A memory with one record of each kind; `seed` varies the values.
fixtures::ImageBuilder SnapshotImage(int seed);

}  // namespace mirelta::bench
