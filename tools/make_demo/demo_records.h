// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures/image_builder.h"

namespace mirelta::demo {

// Fills the builder with the demo snapshots, leaving some slots of every kind free.
void AddFindSnapshots(fixtures::ImageBuilder& builder);
void AddConstellationSnapshots(fixtures::ImageBuilder& builder);
void AddSpectrumSnapshots(fixtures::ImageBuilder& builder);

}  // namespace mirelta::demo
