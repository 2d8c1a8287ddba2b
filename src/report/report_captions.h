// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mirelta {

enum class ReportLanguage { English, French };

// The report's own words; the meter's texts are never translated.
enum class Caption {
    DefaultTitle,
    File,
    FileDate,
    Counts,  // %1 Find, %2 Constellation, %3 Spectrum
    Summary,
    NoSnapshots,
    Kind,
    Label,
    Frequency,
    Polarisation,
    SymbolRate,
    Mode,
    Power,
    Cn,
    Mer,
    Ber,
    Margin,
    Verdict,
    RequiredCn,
    CnMargin,
    MerMargin,
    Find,
    Constellation,
    Spectrum,
    LeftEdge,
    RightEdge,
    Span,
    Assessment,
    Total,  // the count of each verdict, in their order
    SpectrumAnalysis,
    OneCarrier,
    CarrierCount,  // %1 carriers
    NoiseFloor,
    NoCarriers,
    CarrierNumber,
    CentreIf,
    CentreRf,
    Bandwidth,
    SymbolRateMsps,
    Peak,
    CarrierCn,
    ChannelPower,
    Matches,
};

QString CaptionText(Caption caption, ReportLanguage language);

}  // namespace mirelta
