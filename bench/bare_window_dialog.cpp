// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's window with none of the viewer's work: the same size, the operator panel's widgets
// from the window template (which decodes its bitmaps) and a blank replica; no file, no drawing
// of a screen, no icon, no settings. Its start-up shows what the toolkit alone costs for a window
// of this shape.
#include <QApplication>
#include <QDialog>

#include "app/first_paint_exit.h"
#include "app/panel_widgets.h"
#include "app/replica_view.h"
#include "platform/control_table.h"
#include "platform/window_template.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setFixedSize(mirelta::kClientWidth, mirelta::kClientHeight);
    QImage blank(mirelta::kReplicaWidth, mirelta::kReplicaHeight, QImage::Format_RGB32);
    blank.fill(Qt::black);
    auto* view = new mirelta::ReplicaView(blank, &dialog);
    const mirelta::ControlTable controls;
    const mirelta::PanelWidgets panel(controls, &dialog);
    mirelta::ExitAfterFirstPaint(*view, [] { return true; });
    dialog.show();
    return app.exec();
}
