// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "platform/control_table.h"

namespace mirelta {

// The operator panel as real widgets at their template places, kept in step with the control
// table: the table is the state, the widgets show it and report the user's actions.
class PanelWidgets {
  public:
    PanelWidgets(const ControlTable& controls, QWidget* parent);

    void sync(int id);
    QWidget* widget(int id) const;

    std::function<void(int id)> onClicked;               // push buttons
    std::function<void(int id, int entry)> onActivated;  // drop-down lists, the user's choice

  private:
    QWidget* create(const Control& control, QWidget* parent);

    const ControlTable& controls_;
    std::map<int, QWidget*> widgets_;
};

}  // namespace mirelta
