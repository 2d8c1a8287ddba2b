// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <ostream>
#include <string>

#include "platform/geometry.h"
#include "platform/prompts.h"

namespace mirelta {

// The screen area of the replica; the replica itself, without a copy, when the area is all of it.
QImage ScreenAreaOf(const QImage& replica, const Rect& area);

// Writes the screen area of the replica to `path` as the Save button does: the three diagnostic
// lines first (also when the file then fails), then the picture. A failed save leaves any file
// that was there untouched and tells the user why.
bool WriteScreenCapture(const QImage& replica, const Rect& area, const std::string& path,
                        int bitsPerPixel, Prompts& prompts, std::ostream& diagnostics);

}  // namespace mirelta
