// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_paint_exit.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>

namespace mirelta {
namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& widget, std::function<bool()> ready)
        : QObject(&widget), ready_(std::move(ready)) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && ready_()) {
            // After this paint and its flush, not in the middle of them; no tear-down, so the
            // time measured ends at the picture.
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<bool()> ready_;
};

}  // namespace

void ExitAfterFirstPaint(QWidget& widget, std::function<bool()> ready) {
    new FirstPaintWatch(widget, std::move(ready));
}

}  // namespace mirelta
