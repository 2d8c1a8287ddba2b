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
    Counts,           // %1 Find, %2 Constellation, %3 Spectrum
    SatelliteLikely,  // %1 position, %2 transponders it explains, %3 measured
    SatelliteNotIdentified,
    SatelliteMismatch,  // as SatelliteLikely, %4 the name saved on the meter
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
    JobDetails,
    Customer,
    SiteAddress,
    Installer,
    JobDate,
    DishSize,
    LnbModel,
    GpsPosition,
    Notes,
    Criteria,
    CriteriaDvbS,
    CriteriaDvbS2,    // %1: the allowance
    CriteriaMargins,  // %1 pass margin, %2 fail margin
    CriteriaNoLock,
    CriteriaConstellation,
    Transponders,
    Transponder,
    Snapshots,
    SpectrumCarriers,
    TransponderTotal,  // "%1 transponders: " before the verdict counts
    SnapshotTable,
    SignatureInstaller,
    SignatureCustomer,
    SignatureDate,
    PageOf,    // "page %1 of %2"
    Software,  // "%1 %2": name, version
    FileHash,  // "SHA-256 %1"
    PlotNoData,
    PlotLevelAxis,
    PlotIfAxis,
    PlotRfAxis,  // %1 the LO
    PlotFloor,   // %1 the floor
};

QString CaptionText(Caption caption, ReportLanguage language);

}  // namespace mirelta
