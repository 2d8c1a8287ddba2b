// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace mirelta {

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace mirelta
