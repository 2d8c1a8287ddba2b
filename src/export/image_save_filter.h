// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// The Save dialog's list of every savable picture format, as "Description (*.ext)|*.ext|"
// entries: BMP first, then PNG, then the others in name order, each format once and the
// extensions of one format in one entry ("JPEG image (*.jpg *.jpeg)|*.jpg;*.jpeg|").
std::string ImageSaveFilter();

}  // namespace mirelta
