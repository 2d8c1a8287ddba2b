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

constexpr std::array<CaptionRow, 44> kCaptions{{
    {Caption::DefaultTitle, "Installation report", "Rapport d'installation"},
    {Caption::File, "File", "Fichier"},
    {Caption::FileDate, "File date", "Date du fichier"},
    {Caption::Counts, "%1 Find, %2 Constellation and %3 Spectrum snapshots",
     "%1 relevés de pointage, %2 de constellation et %3 de spectre"},
    {Caption::Summary, "Summary", "Synthèse"},
    {Caption::NoSnapshots, "This file holds no saved snapshots.",
     "Ce fichier ne contient aucun relevé."},
    {Caption::Kind, "Kind", "Type"},
    {Caption::Label, "Label", "Libellé"},
    {Caption::Frequency, "Frequency (MHz)", "Fréquence (MHz)"},
    {Caption::Polarisation, "Pol.", "Pol."},
    {Caption::SymbolRate, "Symbol rate", "Débit symbole"},
    {Caption::Mode, "Mode", "Mode"},
    {Caption::Power, "Power (dBuV)", "Niveau (dBuV)"},
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
    {Caption::NoiseFloor, "Noise floor (dBuV)", "Plancher de bruit (dBuV)"},
    {Caption::NoCarriers, "No carrier stands clear of the noise floor.",
     "Aucune porteuse ne se détache du plancher de bruit."},
    {Caption::CarrierNumber, "#", "n°"},
    {Caption::CentreIf, "Centre IF (MHz)", "Centre FI (MHz)"},
    {Caption::CentreRf, "Centre RF (MHz)", "Centre RF (MHz)"},
    {Caption::Bandwidth, "-3 dB width (MHz)", "Largeur à -3 dB (MHz)"},
    {Caption::SymbolRateMsps, "Symbol rate (Msym/s)", "Débit symbole (Msym/s)"},
    {Caption::Peak, "Peak (dBuV)", "Crête (dBuV)"},
    {Caption::CarrierCn, "C/N (dB)", "C/N (dB)"},
    {Caption::ChannelPower, "Channel power (dBuV)", "Puissance canal (dBuV)"},
    {Caption::Matches, "Snapshots", "Relevés"},
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
