// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures/image_builder.h"

namespace mirelta::bench {

// A memory with every slot used: 32 Find, 16 Constellation and 32 Spectrum records.
fixtures::ImageBuilder FullImage();

// A memory with one record of each of `kinds` kinds (1 to 3), the first of them chosen by
// `seed`, which also varies the values.
fixtures::ImageBuilder SnapshotImage(int seed, int kinds);

}  // namespace mirelta::bench
