// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include "assess/assessment.h"
#include "screens/document.h"

namespace mirelta {

// The one-line verdict of the shown Find or Constellation snapshot, in the free band under the
// replica; empty on the Spectrum screen and before a file is open.
class VerdictBand : public QLabel {
  public:
    explicit VerdictBand(QWidget* parent);

    void follow(const Document& document, const Thresholds& thresholds);

  private:
    void fitFont();
};

}  // namespace mirelta
