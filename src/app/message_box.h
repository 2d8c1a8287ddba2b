// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

namespace mirelta {

// A message box of the program: its full title and icon, an icon for the kind of message, and
// room for the title bar and the text however short the text is. Returns the button chosen.
QMessageBox::StandardButton ShowMessageBox(
    QWidget* owner, QMessageBox::Icon icon, const QString& text, const QString& detail = {},
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace mirelta
