// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "data/constellation_record.h"
#include "data/find_record.h"

namespace mirelta {

// printf into a std::string.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

struct LnbTypeEntry {
    const char* name;
    std::uint16_t loLow;
    std::uint16_t loHigh;
};

inline constexpr std::uint8_t kCustomisedLnbType = 9;

// Entry 0..9 of the LNB table; any higher type gets a fallback entry named "Unknown" with both
// LO values 0, so nothing is ever read outside the table.
const LnbTypeEntry& LnbTypeTable(std::uint8_t type);

// The table name; types above 9 read "Unknown (N)" with the saved number, so the user sees
// what the meter stored.
std::string LnbName(std::uint8_t type);

// The record's own LO fields for a customised LNB, else the table values.
std::uint16_t LoLow(const FindRecord& record);
std::uint16_t LoHigh(const FindRecord& record);

// Code rate of the record's system; an unlocked Find record always reads "None".
std::string FecText(const FindRecord& record);
std::string FecText(const ConstellationRecord& record);

std::string ModulationText(const ConstellationRecord& record);

// "Ver" for a vertical (non-zero) polarisation, else "Hor".
const char* PolarisationText(std::uint8_t polarisation);

// A C/N or MER in hundredths of a dB as the screens show it: cut down to the tenth.
constexpr std::uint32_t ShownTenths(std::uint32_t hundredths) {
    return hundredths / 10;
}

std::string CnText(std::uint32_t hundredths);
std::string BerText(std::uint32_t mantissa, std::uint8_t exponent);
// The Find screen's C/N and BER texts: "None" while the record was not locked.
std::string CnText(const FindRecord& record);
std::string BerText(const FindRecord& record);
std::string PercentText(int value);

}  // namespace mirelta
