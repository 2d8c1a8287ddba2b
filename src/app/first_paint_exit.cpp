// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_paint_exit.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>

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
            // Right after this paint's flush: ahead of any work queued at normal priority (such
            // as the settings' write), which comes after the picture is on screen. No tear-down,
            // so the time measured ends at the picture.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return QObject::eventFilter(watched, event);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            ::_exit(0);
        }
        return QObject::event(event);
    }

  private:
    std::function<bool()> ready_;
};

}  // namespace

void ExitAfterFirstPaint(QWidget& widget, std::function<bool()> ready) {
    new FirstPaintWatch(widget, std::move(ready));
}

}  // namespace mirelta
