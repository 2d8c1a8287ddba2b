// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drop_down_list.h"

#include <QFrame>
#include <QKeyEvent>

namespace mirelta {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {}

void DropDownList::showPopup() {
    if (count() > 0) {
        QComboBox::showPopup();
        return;
    }
    if (emptyPopup_ == nullptr) {
        // A popup window closes itself on Esc and on a click outside it.
        emptyPopup_ = new QFrame(this, Qt::Popup);
        emptyPopup_->setFrameShape(QFrame::Box);
        emptyPopup_->setAutoFillBackground(true);
    }
    emptyPopup_->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(width(), height())));
    emptyPopup_->show();
}

void DropDownList::hidePopup() {
    if (emptyPopup_ != nullptr) {
        emptyPopup_->hide();
    }
    QComboBox::hidePopup();
}

QWidget* DropDownList::emptyPopup() const {
    return emptyPopup_ != nullptr && emptyPopup_->isVisible() ? emptyPopup_ : nullptr;
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        showPopup();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace mirelta
