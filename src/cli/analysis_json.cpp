// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/analysis_json.h"

#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

void WriteDecimalOrNull(JsonWriter& json, const std::optional<double>& number) {
    if (number) {
        json.decimal(*number);
    } else {
        json.null();
    }
}

void WriteDecimal(JsonWriter& json, std::string_view name, double number) {
    json.key(name);
    json.decimal(number);
}

}  // namespace

void WriteSweepPoints(JsonWriter& json, const analysis::Sweep& sweep) {
    json.key("points");
    json.beginArray();
    for (const analysis::SweepPoint& point : sweep.points) {
        json.beginArray();
        json.decimal(point.frequencyMHz);
        if (point.level != 0) {
            json.value(std::int64_t{point.level});
        } else {
            json.null();
        }
        json.endArray();
    }
    json.endArray();
}

void WriteFloorAndCarriers(JsonWriter& json, const analysis::SpectrumAnalysis& analysis) {
    json.key("floor");
    WriteDecimalOrNull(json, analysis.floor);
    json.key("carriers");
    json.beginArray();
    for (const analysis::CarrierFinding& finding : analysis.carriers) {
        const analysis::Carrier& carrier = finding.carrier;
        json.beginObject();
        WriteDecimal(json, "centreMHz", carrier.centreMHz);
        WriteDecimal(json, "bandwidthMHz", carrier.bandwidthMHz);
        WriteDecimal(json, "symbolRateMsps", carrier.symbolRateMsps);
        WriteDecimal(json, "peak", carrier.peak);
        WriteDecimal(json, "cn", carrier.cn);
        WriteDecimal(json, "channelPower", carrier.channelPower);
        json.key("rfMHz");
        WriteDecimalOrNull(json, finding.rfMHz);
        json.key("matches");
        json.beginArray();
        for (const std::string& label : finding.matches) {
            json.value(DecodeLocalTextToUtf8(label));
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

}  // namespace mirelta::cli
