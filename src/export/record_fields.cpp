// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/record_fields.h"

#include "format/value_format.h"
#include "platform/text_codec.h"

namespace mirelta {
namespace {

std::optional<std::int64_t> Hundredths(const std::optional<std::int64_t>& tenths) {
    return tenths ? std::optional<std::int64_t>(*tenths * 10) : std::nullopt;
}

}  // namespace

std::vector<Field> FieldsOf(const FindRecord& r) {
    return {
        {"label", DecodeLocalTextToUtf8(r.listLabel())},
        {"satelliteName", DecodeLocalTextToUtf8(r.satelliteName())},
        {"lnbType", r.lnbType()},
        {"lnbName", LnbName(r.lnbType())},
        {"loLowField", r.loLow()},
        {"loHighField", r.loHigh()},
        {"loLow", LoLow(r)},
        {"loHigh", LoHigh(r)},
        {"frequency", r.frequency()},
        {"symbolRate", r.symbolRate()},
        {"polarisation", r.polarisation()},
        {"polarisationText", PolarisationText(r.polarisation())},
        {"quality", r.quality()},
        {"qualityText", PercentText(r.quality())},
        {"strength", r.strength()},
        {"strengthText", PercentText(r.strength())},
        {"powerLevel", r.powerLevel()},
        {"cn", r.cn()},
        {"cnText", CnText(r)},
        {"berMantissa", r.berMantissa()},
        {"berExponent", r.berExponent()},
        {"berText", BerText(r)},
        {"system", r.system()},
        {"modcod", r.modcod()},
        {"codeRate", r.codeRate()},
        {"fecText", FecText(r)},
        {"lockFlag", r.lockFlag()},
    };
}

std::vector<Field> FieldsOf(const ConstellationRecord& r) {
    return {
        {"label", DecodeLocalTextToUtf8(r.listLabel())},
        {"frequency", r.frequency()},
        {"symbolRate", r.symbolRate()},
        {"polarisation", r.polarisation()},
        {"polarisationText", PolarisationText(r.polarisation())},
        {"system", r.system()},
        {"modcod", r.modcod()},
        {"codeRate", r.codeRate()},
        {"modulationText", ModulationText(r)},
        {"fecText", FecText(r)},
        {"cn", r.cn()},
        {"cnText", CnText(r.cn())},
        {"berMantissa", r.berMantissa()},
        {"berExponent", r.berExponent()},
        {"berText", BerText(r.berMantissa(), r.berExponent())},
        {"mer", r.mer()},
        {"quality", r.quality()},
        {"qualityText", PercentText(r.quality())},
        {"strength", r.strength()},
        {"strengthText", PercentText(r.strength())},
    };
}

std::vector<Field> FieldsOf(const SpectrumRecord& r) {
    return {
        {"label", DecodeLocalTextToUtf8(r.listLabel())},
        {"leftFrequency", r.leftFrequency()},
        {"cursorFrequency", r.cursorFrequency()},
        {"rightFrequency", r.rightFrequency()},
        {"cursorLevel", r.cursorLevel()},
        {"spanCode", r.spanCode()},
        {"system", r.system()},
        {"modcod", r.modcod()},
        {"codeRate", r.codeRate()},
    };
}

AssessmentColumns ColumnsOf(const SnapshotValues& values) {
    const Assessment& a = values.assessment;
    return {Hundredths(a.requiredCn), Hundredths(a.cnMargin), Hundredths(a.merMargin),
            values.verdict};
}

}  // namespace mirelta
