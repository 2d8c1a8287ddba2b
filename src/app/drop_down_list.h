// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

class QFrame;

namespace mirelta {

// A panel drop-down list that drops down even when it holds no entries, as the meter's own
// lists do: the user sees an empty list, and Esc or a click elsewhere closes only that. Enter
// drops the focused list down, as Space does, rather than passing on to the window's Open.
class DropDownList : public QComboBox {
  public:
    explicit DropDownList(QWidget* parent);

    void showPopup() override;
    void hidePopup() override;

    // The empty drop-down while it is shown, otherwise nullptr.
    QWidget* emptyPopup() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QFrame* emptyPopup_ = nullptr;
};

}  // namespace mirelta
