// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/required_cn.h"

#include <array>
#include <cmath>

namespace mirelta {
namespace {

constexpr const char* kS2Table13 = "EN 302 307-1 Table 13, QEF Es/N0, normal frames, AWGN";
constexpr const char* kS = "EN 300 421, required Eb/N0 for QEF after Viterbi, QPSK";

// DVB-S rows use the meter's code-rate codes. Its code 5 is 5/6, though its screen reads "None";
// its 4/5 (4) and 6/7 (6) are not DVB-S rates and have no row.
constexpr std::array<ReferenceRow, 22> kTable{{
    {kSystemDvbS2, 1, "QPSK 1/4", 1, 4, FigureKind::EsN0, -235, kS2Table13},
    {kSystemDvbS2, 2, "QPSK 1/3", 1, 3, FigureKind::EsN0, -124, kS2Table13},
    {kSystemDvbS2, 3, "QPSK 2/5", 2, 5, FigureKind::EsN0, -30, kS2Table13},
    {kSystemDvbS2, 4, "QPSK 1/2", 1, 2, FigureKind::EsN0, 100, kS2Table13},
    {kSystemDvbS2, 5, "QPSK 3/5", 3, 5, FigureKind::EsN0, 223, kS2Table13},
    {kSystemDvbS2, 6, "QPSK 2/3", 2, 3, FigureKind::EsN0, 310, kS2Table13},
    {kSystemDvbS2, 7, "QPSK 3/4", 3, 4, FigureKind::EsN0, 403, kS2Table13},
    {kSystemDvbS2, 8, "QPSK 4/5", 4, 5, FigureKind::EsN0, 468, kS2Table13},
    {kSystemDvbS2, 9, "QPSK 5/6", 5, 6, FigureKind::EsN0, 518, kS2Table13},
    {kSystemDvbS2, 10, "QPSK 8/9", 8, 9, FigureKind::EsN0, 620, kS2Table13},
    {kSystemDvbS2, 11, "QPSK 9/10", 9, 10, FigureKind::EsN0, 642, kS2Table13},
    {kSystemDvbS2, 12, "8PSK 3/5", 3, 5, FigureKind::EsN0, 550, kS2Table13},
    {kSystemDvbS2, 13, "8PSK 2/3", 2, 3, FigureKind::EsN0, 662, kS2Table13},
    {kSystemDvbS2, 14, "8PSK 3/4", 3, 4, FigureKind::EsN0, 791, kS2Table13},
    {kSystemDvbS2, 15, "8PSK 5/6", 5, 6, FigureKind::EsN0, 935, kS2Table13},
    {kSystemDvbS2, 16, "8PSK 8/9", 8, 9, FigureKind::EsN0, 1069, kS2Table13},
    {kSystemDvbS2, 17, "8PSK 9/10", 9, 10, FigureKind::EsN0, 1098, kS2Table13},
    {kSystemDvbS, 1, "QPSK 1/2", 1, 2, FigureKind::EbN0, 450, kS},
    {kSystemDvbS, 2, "QPSK 2/3", 2, 3, FigureKind::EbN0, 500, kS},
    {kSystemDvbS, 3, "QPSK 3/4", 3, 4, FigureKind::EbN0, 550, kS},
    {kSystemDvbS, 5, "QPSK 5/6", 5, 6, FigureKind::EbN0, 600, kS, "None"},
    {kSystemDvbS, 7, "QPSK 7/8", 7, 8, FigureKind::EbN0, 640, kS},
}};

// C/N = Eb/N0 + 10 log10(2 R 188/204): two bits per QPSK symbol, the inner code rate R and the
// Reed-Solomon (204,188) outer code. Rounded to the hundredth the rest of the table uses.
std::int32_t CnInSymbolBandwidth(const ReferenceRow& row) {
    if (row.kind == FigureKind::EsN0) {
        return row.figure;
    }
    const double rate = static_cast<double>(row.rateNumerator) / row.rateDenominator;
    const double cn = row.figure / 100.0 + 10.0 * std::log10(2.0 * rate * 188.0 / 204.0);
    return static_cast<std::int32_t>(std::lround(cn * 100.0));
}

}  // namespace

std::span<const ReferenceRow> ReferenceTable() {
    return kTable;
}

std::optional<ModeReference> RequiredCn(std::uint8_t system, std::uint8_t modcod,
                                        std::uint8_t codeRate) {
    const std::uint8_t code = system == kSystemDvbS2 ? modcod : codeRate;
    for (const ReferenceRow& row : kTable) {
        if (row.system == system && row.code == code) {
            return ModeReference{row.mode, CnInSymbolBandwidth(row), row.shownAs};
        }
    }
    return std::nullopt;
}

bool IsOutsideDvbS(std::uint8_t codeRate) {
    return codeRate == 4 || codeRate == 6;
}

}  // namespace mirelta
