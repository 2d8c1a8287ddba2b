// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_captions.h"

#include <array>
#include <utility>

namespace mirelta {
namespace {

struct CaptionRow {
    Caption caption;
    const char* english;
    const char* french;  // UTF-8
};

constexpr std::array<CaptionRow, 78> kCaptions{{
    {Caption::DefaultTitle, "Installation report", "Rapport d'installation"},
    {Caption::File, "File", "Fichier"},
    {Caption::FileDate, "File date", "Date du fichier"},
    {Caption::Counts, "%1 Find, %2 Constellation and %3 Spectrum snapshots",
     "%1 relevés de pointage, %2 de constellation et %3 de spectre"},
    {Caption::SatelliteLikely, "Satellite: likely %1 (%2 of %3)",
     "Satellite : probablement %1 (%2 sur %3)"},
    {Caption::SatelliteNotIdentified, "Satellite: not identified", "Satellite : non identifié"},
    {Caption::SatelliteMismatch,
     "The transponders match %1 (%2 of %3), not %4 as saved on the meter",
     "Les transpondeurs correspondent à %1 (%2 sur %3), et non à %4 comme enregistré sur le "
     "mesureur"},
    {Caption::Summary, "Summary", "Synthèse"},
    {Caption::NoSnapshots, "This file holds no saved snapshots.",
     "Ce fichier ne contient aucun relevé."},
    {Caption::Kind, "Kind", "Type"},
    {Caption::Label, "Label", "Libellé"},
    {Caption::Frequency, "Frequency (MHz)", "Fréquence (MHz)"},
    {Caption::Polarisation, "Pol.", "Pol."},
    {Caption::SymbolRate, "Symbol rate (kS/s)", "Débit symbole (kS/s)"},
    {Caption::Mode, "Mode", "Mode"},
    {Caption::Power, "Power (dBµV)", "Niveau (dBµV)"},
    {Caption::Cn, "C/N", "C/N"},
    {Caption::Mer, "MER", "MER"},
    {Caption::Ber, "BER", "BER"},
    {Caption::Margin, "Margin (dB)", "Marge (dB)"},
    {Caption::Verdict, "Verdict", "Verdict"},
    {Caption::RequiredCn, "Required C/N (dB)", "C/N requis (dB)"},
    {Caption::CnMargin, "C/N margin (dB)", "Marge C/N (dB)"},
    {Caption::MerMargin, "MER margin (dB)", "Marge MER (dB)"},
    {Caption::Find, "Find", "Pointage"},
    {Caption::Constellation, "Constellation", "Constellation"},
    {Caption::Spectrum, "Spectrum", "Spectre"},
    {Caption::LeftEdge, "Left edge (MHz)", "Bord gauche (MHz)"},
    {Caption::RightEdge, "Right edge (MHz)", "Bord droit (MHz)"},
    {Caption::Span, "Span", "Étendue"},
    {Caption::Assessment, "Assessment", "Évaluation"},
    {Caption::Total, "%1 PASS, %2 MARGINAL, %3 FAIL, %4 NO LOCK, %5 not rated",
     "CONFORME : %1, LIMITE : %2, NON CONFORME : %3, NON VERROUILLÉ : %4, non évalué : %5"},
    {Caption::SpectrumAnalysis, "Spectrum analysis", "Analyse du spectre"},
    {Caption::OneCarrier, "%1 carrier", "%1 porteuse"},
    {Caption::CarrierCount, "%1 carriers", "%1 porteuses"},
    {Caption::NoiseFloor, "Noise floor (dBµV)", "Plancher de bruit (dBµV)"},
    {Caption::NoCarriers, "No carrier stands clear of the noise floor.",
     "Aucune porteuse ne se détache du plancher de bruit."},
    {Caption::CarrierNumber, "#", "n°"},
    {Caption::CentreIf, "Centre IF (MHz)", "Centre FI (MHz)"},
    {Caption::CentreRf, "Centre RF (MHz)", "Centre RF (MHz)"},
    {Caption::Bandwidth, "-3 dB width (MHz)", "Largeur à -3 dB (MHz)"},
    {Caption::SymbolRateMsps, "Symbol rate (Msym/s)", "Débit symbole (Msym/s)"},
    {Caption::Peak, "Peak (dBµV)", "Crête (dBµV)"},
    {Caption::CarrierCn, "C/N (dB)", "C/N (dB)"},
    {Caption::ChannelPower, "Channel power (dBµV)", "Puissance canal (dBµV)"},
    {Caption::Matches, "Snapshots", "Relevés"},
    {Caption::JobDetails, "Job", "Intervention"},
    {Caption::Customer, "Customer", "Client"},
    {Caption::SiteAddress, "Site address", "Adresse du site"},
    {Caption::Installer, "Installer", "Installateur"},
    {Caption::JobDate, "Job date", "Date de l'intervention"},
    {Caption::DishSize, "Dish size", "Taille de la parabole"},
    {Caption::LnbModel, "LNB model", "Modèle de LNB"},
    {Caption::GpsPosition, "GPS position", "Position GPS"},
    {Caption::Notes, "Notes", "Remarques"},
    {Caption::Criteria, "Criteria", "Critères"},
    {Caption::CriteriaDvbS,
     "DVB-S: required C/N from EN 300 421 (quasi-error-free Eb/N0, which includes a 0.8 dB "
     "implementation margin), converted to the symbol-rate bandwidth.",
     "DVB-S : C/N requis d'après l'EN 300 421 (Eb/N0 quasi sans erreur, marge d'implémentation "
     "de 0,8 dB comprise), ramené à la bande du débit symbole."},
    {Caption::CriteriaDvbS2,
     "DVB-S2: required C/N from EN 302 307-1 Table 13 (ideal Es/N0), plus an implementation "
     "allowance of %1 dB.",
     "DVB-S2 : C/N requis d'après l'EN 302 307-1, tableau 13 (Es/N0 idéal), plus une marge "
     "d'implémentation de %1 dB."},
    {Caption::CriteriaMargins,
     "PASS from a margin of %1 dB; MARGINAL from %2 dB up to %1 dB; FAIL below %2 dB.",
     "CONFORME à partir d'une marge de %1 dB ; LIMITE de %2 dB à %1 dB ; NON CONFORME en "
     "dessous de %2 dB."},
    {Caption::CriteriaNoLock,
     "NO LOCK: a snapshot saved without lock was taken while pointing; it is not counted as a "
     "failure.",
     "NON VERROUILLÉ : un relevé enregistré sans verrouillage a été pris pendant le pointage ; "
     "il ne compte pas comme un échec."},
    {Caption::CriteriaConstellation,
     "A Constellation verdict follows the smaller of its C/N and MER margins.",
     "Le verdict d'une constellation suit la plus petite de ses marges C/N et MER."},
    {Caption::Transponders, "Transponders", "Transpondeurs"},
    {Caption::Transponder, "RF (MHz)", "RF (MHz)"},
    {Caption::Snapshots, "Snapshots", "Relevés"},
    {Caption::SpectrumCarriers, "Spectrum carriers", "Porteuses du spectre"},
    {Caption::TransponderTotal, "%1 transponders: ", "%1 transpondeurs : "},
    {Caption::SnapshotTable, "Every snapshot", "Tous les relevés"},
    {Caption::SignatureInstaller, "Installer", "Installateur"},
    {Caption::SignatureCustomer, "Customer", "Client"},
    {Caption::SignatureDate, "Date and signature", "Date et signature"},
    {Caption::PageOf, "page %1 of %2", "page %1 sur %2"},
    {Caption::Software, "Mirelta %1", "Mirelta %1"},
    {Caption::FileHash, "meter file SHA-256 %1", "SHA-256 du fichier %1"},
    {Caption::PlotNoData, "No sweep data", "Aucune donnée de balayage"},
    {Caption::PlotLevelAxis, "Level (dBµV)", "Niveau (dBµV)"},
    {Caption::PlotIfAxis, "IF (MHz)", "FI (MHz)"},
    {Caption::PlotRfAxis, "RF (MHz), LNB LO %1 MHz", "RF (MHz), OL du LNB %1 MHz"},
    {Caption::PlotFloor, "noise floor %1 dBµV", "plancher de bruit %1 dBµV"},
}};

}  // namespace

QString CaptionText(Caption caption, ReportLanguage language) {
    for (const CaptionRow& row : kCaptions) {
        if (row.caption == caption) {
            return QString::fromUtf8(language == ReportLanguage::French ? row.french : row.english);
        }
    }
    return {};
}

}  // namespace mirelta
