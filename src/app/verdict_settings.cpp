// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/verdict_settings.h"

#include <QSettings>

namespace mirelta {

Thresholds LoadThresholds() {
    const QSettings settings(QStringLiteral("Mirelta"), QStringLiteral("Mirelta"));
    const Thresholds defaults;
    bool passOk = false;
    bool failOk = false;
    const Thresholds stored{
        .passMargin = settings.value(QStringLiteral("verdict/passMargin"), defaults.passMargin)
                          .toDouble(&passOk),
        .failMargin = settings.value(QStringLiteral("verdict/failMargin"), defaults.failMargin)
                          .toDouble(&failOk),
    };
    if (!passOk || !failOk || stored.failMargin > stored.passMargin) {
        return defaults;
    }
    return stored;
}

}  // namespace mirelta
