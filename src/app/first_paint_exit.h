// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace mirelta {

// For timing start-up from outside: ends the process as soon as `widget` has been painted and
// flushed while `ready` holds. Set up only when MIRELTA_EXIT_AFTER_FIRST_PAINT is set.
void ExitAfterFirstPaint(QWidget& widget, std::function<bool()> ready);

}  // namespace mirelta
