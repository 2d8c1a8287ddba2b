// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_box.h"

#include <QGridLayout>
#include <QSpacerItem>

#include "mirelta_resources.h"

namespace mirelta {

namespace {
// Wide enough for the title beside the window manager's buttons, and for a path on one line.
constexpr int kMinimumWidthInCharacters = 48;
}  // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                           const QString& text, const QString& detail,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QStringLiteral("Mirelta"), text, buttons, owner);
    box.setWindowIcon(ApplicationIcon());
    // Shown under the main text, not folded away, so the reason is read without a click.
    box.setInformativeText(detail);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    // The box sizes itself to its layout; a spacer across it is the only lower bound it keeps.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().averageCharWidth() * kMinimumWidthInCharacters;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    return static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton()));
}

}  // namespace mirelta
