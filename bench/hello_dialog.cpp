// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of start-up: a Qt dialog with one label, ended as soon as it is first painted,
// the same way as the viewer under MIRELTA_EXIT_AFTER_FIRST_PAINT.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "app/first_paint_exit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Hello, world"), &dialog));
    mirelta::ExitAfterFirstPaint(dialog, [] { return true; });
    dialog.show();
    return app.exec();
}
