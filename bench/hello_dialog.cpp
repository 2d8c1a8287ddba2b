// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of start-up: a Qt dialog with one label, ended as soon as it is first painted,
// the same way as the viewer under MIRELTA_EXIT_AFTER_FIRST_PAINT.
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class FirstPaintExit : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Hello, world"), &dialog));
    FirstPaintExit watch;
    dialog.installEventFilter(&watch);
    dialog.show();
    return app.exec();
}
