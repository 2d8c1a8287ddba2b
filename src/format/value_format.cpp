// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/value_format.h"

#include <array>
#include <cstdarg>
#include <cstdio>

namespace mirelta {
namespace {

constexpr std::uint8_t kSystemDvbS = 1;
constexpr std::uint8_t kSystemDvbS2 = 3;
constexpr std::uint8_t kFirst8pskModcod = 12;

constexpr std::array<LnbTypeEntry, 10> kLnbTypes{{
    {"Universal", 9750, 10600},
    {"9750/10750", 9750, 10750},
    {"05150", 5150, 0},
    {"05750", 5750, 0},
    {"09750", 9750, 0},
    {"10600", 10600, 0},
    {"10750", 10750, 0},
    {"11300", 11300, 0},
    {"11475", 11475, 0},
    {"Customised", 9750, 10600},
}};

constexpr LnbTypeEntry kUnknownLnbType{"Unknown", 0, 0};

// Index = DVB-S code-rate code; code 5 has no rate.
constexpr std::array<const char*, 8> kDvbSRates{"None", "1/2",  "2/3", "3/4",
                                                "4/5",  "None", "6/7", "7/8"};

// Index = DVB-S2 MODCOD number; 1..11 QPSK, 12..17 8PSK.
constexpr std::array<const char*, 18> kDvbS2Rates{"None", "1/4", "1/3", "2/5", "1/2", "3/5",
                                                  "2/3",  "3/4", "4/5", "5/6", "8/9", "9/10",
                                                  "3/5",  "2/3", "3/4", "5/6", "8/9", "9/10"};

std::string CodeRateText(std::uint8_t system, std::uint8_t modcod, std::uint8_t codeRate) {
    if (system == kSystemDvbS && codeRate < kDvbSRates.size()) {
        return kDvbSRates[codeRate];
    }
    if (system == kSystemDvbS2 && modcod < kDvbS2Rates.size()) {
        return kDvbS2Rates[modcod];
    }
    return "None";
}

}  // namespace

std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}

const LnbTypeEntry& LnbTypeTable(std::uint8_t type) {
    return type < kLnbTypes.size() ? kLnbTypes[type] : kUnknownLnbType;
}

std::string LnbName(std::uint8_t type) {
    if (type < kLnbTypes.size()) {
        return kLnbTypes[type].name;
    }
    return Printf("%s (%d)", kUnknownLnbType.name, type);
}

std::uint16_t LoLow(const FindRecord& record) {
    const std::uint8_t type = record.lnbType();
    return type == kCustomisedLnbType ? record.loLow() : LnbTypeTable(type).loLow;
}

std::uint16_t LoHigh(const FindRecord& record) {
    const std::uint8_t type = record.lnbType();
    return type == kCustomisedLnbType ? record.loHigh() : LnbTypeTable(type).loHigh;
}

std::string FecText(const FindRecord& record) {
    if (record.lockFlag() == 0) {
        return "None";
    }
    return CodeRateText(record.system(), record.modcod(), record.codeRate());
}

std::string CnText(const FindRecord& record) {
    return record.lockFlag() != 0 ? CnText(record.cn()) : "None";
}

std::string BerText(const FindRecord& record) {
    return record.lockFlag() != 0 ? BerText(record.berMantissa(), record.berExponent()) : "None";
}

std::string FecText(const ConstellationRecord& record) {
    return CodeRateText(record.system(), record.modcod(), record.codeRate());
}

std::string ModulationText(const ConstellationRecord& record) {
    switch (record.system()) {
        case kSystemDvbS:
            return "DVB-S/QPSK";
        case kSystemDvbS2:
            return record.modcod() < kFirst8pskModcod ? "DVB-S2/QPSK" : "DVB-S2/8PSK";
        default:
            return "----";
    }
}

const char* PolarisationText(std::uint8_t polarisation) {
    return polarisation != 0 ? "Ver" : "Hor";
}

std::string CnText(std::uint32_t hundredths) {
    const int whole = static_cast<int>(ShownTenths(hundredths) / 10);
    const int tenths = static_cast<int>(ShownTenths(hundredths) % 10);
    if (hundredths < 1000) {
        return Printf("%01d.%01d dB", whole, tenths);
    }
    return Printf("%02d.%01d dB", whole, tenths);
}

std::string BerText(std::uint32_t mantissa, std::uint8_t exponent) {
    if (exponent == 0 || exponent > 8) {
        return Printf("%01d.%02d E-%d", 9, 99, 8);
    }
    return Printf("%01d.%02d E-%d", static_cast<int>(mantissa / 100),
                  static_cast<int>(mantissa % 100), exponent);
}

std::string PercentText(int value) {
    return Printf("%d %%", value);
}

}  // namespace mirelta
