// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/panel_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <vector>

#include "app/drop_down_list.h"
#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta {

PanelWidgets::PanelWidgets(const ControlTable& controls, QWidget* parent) : controls_(controls) {
    std::vector<QWidget*> frames;
    for (const Control& c : controls.all()) {
        if (c.replica) {
            continue;
        }
        QWidget* w = create(c, parent);
        QRect place = c.rect.toQRect();
        if (c.kind == ControlKind::DropDownList) {
            // The template's height is the dropped-down list's; closed, it is one line high.
            place.setHeight(w->sizeHint().height());
        }
        w->setGeometry(place);
        w->setEnabled(c.enabled);
        w->setVisible(c.visible);
        if (c.kind == ControlKind::GroupBox) {
            frames.push_back(w);
        }
        if (c.id != kUnnamedControl) {
            widgets_[c.id] = w;
            sync(c.id);
        }
    }
    // A group box only frames its neighbours: whatever the template's order, it lies beneath
    // them and lets every click through to the controls it surrounds.
    for (QWidget* frame : frames) {
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->lower();
    }
}

QWidget* PanelWidgets::create(const Control& control, QWidget* parent) {
    const QString text = DecodeLocalText(control.text);
    switch (control.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, parent);
            // Enter clicks the focused button; Open takes it while no button has the focus.
            button->setAutoDefault(true);
            button->setDefault(control.id == ids::Open);
            const int id = control.id;
            QObject::connect(button, &QPushButton::clicked, [this, id] {
                if (onClicked) {
                    onClicked(id);
                }
            });
            return button;
        }
        case ControlKind::DropDownList: {
            auto* list = new DropDownList(parent);
            const int id = control.id;
            QObject::connect(list, &QComboBox::activated, [this, id](int entry) {
                if (onActivated) {
                    onActivated(id, entry);
                }
            });
            return list;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(text, parent);
        default: {
            auto* label = new QLabel(text, parent);
            if (control.verticallyCentred) {
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
            return label;
        }
    }
}

QWidget* PanelWidgets::widget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

void PanelWidgets::sync(int id) {
    QWidget* w = widget(id);
    const Control* c = controls_.find(id);
    if (w == nullptr || c == nullptr) {
        return;
    }
    w->setEnabled(c->enabled);
    w->setVisible(c->visible);
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker quiet(list);
        QStringList items;
        for (const std::string& item : c->items) {
            items << DecodeLocalText(item);
        }
        QStringList shown;
        for (int k = 0; k < list->count(); ++k) {
            shown << list->itemText(k);
        }
        if (items != shown) {
            list->clear();
            list->addItems(items);
        }
        list->setCurrentIndex(c->selection);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(DecodeLocalText(c->text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(DecodeLocalText(c->text));
    }
}

}  // namespace mirelta
