// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include "analysis/satellite_identification.h"
#include "report/report_captions.h"

namespace mirelta {

// "Satellite: likely Hotbird 13.0E (9 of 10)" or "Satellite: not identified".
QString SatelliteSummary(const analysis::Identification& identification, ReportLanguage language);

// "The transponders match Hotbird 13.0E (9 of 10), not Astra 19.2E as saved on the meter", the
// saved name decoded; empty without a mismatch.
QString SatelliteWarning(const analysis::Identification& identification, ReportLanguage language);

// What a mismatch is shown on, alike in the window and in the report.
QColor MismatchColour();

}  // namespace mirelta
