// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/text_table.h"

#include <array>

#include "screens/screen_mode.h"

namespace mirelta {

namespace {

// "\xA8\xA6" is the code page 936 encoding of e with an acute accent.
constexpr std::array<TextEntry, 39> kTextTable{{
    {0, "Satellite Finding", "satellite Trouver"},
    {1, "Constellation Analyzer", "Analyseur de constellation"},
    {2, "Spectrum Adjust", "R\xA8\xA6glez Spectrum"},
    {3, "Satellite", "satellite"},
    {4, "LNB type", "LNB type"},
    {5, "LO.LOW", "LO.LOW"},
    {6, "LO.HIGH", "LO.HIGH"},
    {7, "Frequency", "Frequency"},
    {8, "Symb.rate", "Symb.rate"},
    {9, "Pol", "Pol"},
    {10, "Search", "recherche"},
    {11, "Strength", "force"},
    {12, "Quality", "qualit\xA8\xA6"},
    {13, "OK", "D'ACCORD"},
    {14, "Confirm", "confirmer"},
    {15, "Exit", "sortie"},
    {16, "Add TP", "Ajouter TP"},
    {17, "Save LNB", "Sauvegarder LNB"},
    {18, "Lock", "bloquer"},
    {19, "PWR:", "PWR:"},
    {20, "dBuV", "dBuV"},
    {21, "Sat.", "Sat."},
    {22, "C/N:", "C/N:"},
    {23, "BER:", "BER:"},
    {24, "FEC:", "FEC:"},
    {25, "CH:", "CH:"},
    {26, "MOD:", "MOD:"},
    {27, "MER:", "MER:"},
    {28, "Save", "Enregistrer"},
    {29, "Q", "Q"},
    {30, "I", "I"},
    {31, "Cur:", "Cur:"},
    {32, "MRK:", "MRK:"},
    {33, "None", "aucun"},
    {34, "LNB", "LNB"},
    {35, "Hor", "Hor"},
    {36, "Analyze", "analyser"},
    {37, "...", "..."},
    {38, "", ""},
}};

}  // namespace

std::span<const TextEntry> TextTable() {
    return kTextTable;
}

const char* TableText(int textId, UiLanguage language) {
    const TextEntry& entry = kTextTable.at(static_cast<std::size_t>(textId));
    return language == UiLanguage::French ? entry.french : entry.english;
}

}  // namespace mirelta
