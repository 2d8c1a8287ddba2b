// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/satellite_summary.h"

#include "platform/text_codec.h"

namespace mirelta {
namespace {

// One pass of arg(): a name holding "%1" stays as it is.
QString Explained(Caption caption, const analysis::Identification& identification,
                  ReportLanguage language) {
    return CaptionText(caption, language)
        .arg(QString::fromStdString(analysis::PositionLabel(*identification.likely)),
             QString::number(identification.likely->matched),
             QString::number(identification.measured));
}

}  // namespace

QString SatelliteSummary(const analysis::Identification& identification, ReportLanguage language) {
    if (!identification.likely) {
        return CaptionText(Caption::SatelliteNotIdentified, language);
    }
    return Explained(Caption::SatelliteLikely, identification, language);
}

QString SatelliteWarning(const analysis::Identification& identification, ReportLanguage language) {
    if (!identification.mismatch || !identification.likely) {
        return {};
    }
    // The saved name last: its text is never read for place markers.
    return Explained(Caption::SatelliteMismatch, identification, language)
        .arg(DecodeLocalText(identification.claimedName));
}

QColor MismatchColour() {
    return {255, 200, 90};
}

}  // namespace mirelta
