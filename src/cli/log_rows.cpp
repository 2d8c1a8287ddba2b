// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_rows.h"

#include "cli/command_line.h"
#include "cli/decimal_text.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

constexpr std::size_t kHashDigits = 12;

LogCell Text(std::string text) {
    return {LogCell::Type::Text, std::move(text)};
}

// The screen's "-" is no value.
LogCell Shown(const std::string& text) {
    return text == "-" ? LogCell{} : Text(text);
}

// Readings are bare numbers (dB, dBuV, ksym/s), which a spreadsheet can sort; the meter's "None"
// is no reading.
LogCell Figure(std::string text) {
    constexpr std::string_view kDb = " dB";
    if (text == "-" || text == "None") {
        return {};
    }
    if (text.ends_with(kDb)) {
        text.resize(text.size() - kDb.size());
    }
    if (const std::size_t exponent = text.find(" E"); exponent != std::string::npos) {
        text.erase(exponent, 1);
    }
    return ParseDecimal(text) ? LogCell{LogCell::Type::Number, text} : Text(text);
}

LogCell Number(const std::optional<double>& value) {
    return value ? LogCell{LogCell::Type::Number, ShortDecimalText(*value)} : LogCell{};
}

const char* KindName(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::Find:
            return "find";
        case ScreenKind::Constellation:
            return "constellation";
        case ScreenKind::Spectrum:
            return "spectrum";
        case ScreenKind::None:
            break;
    }
    return "";
}

LogRow FileRow(const logbook::LogFile& file) {
    LogRow row;
    const auto set = [&row](LogColumn column, LogCell cell) {
        row[static_cast<std::size_t>(column)] = std::move(cell);
    };
    // Names that are not UTF-8 show with replacement characters; the output is UTF-8.
    set(LogColumn::File, Text(QString::fromUtf8(file.path.string()).toStdString()));
    if (!file.sha256.isEmpty()) {
        set(LogColumn::Sha256, Text(file.sha256.left(kHashDigits).toStdString()));
    }
    if (file.modified.isValid()) {
        set(LogColumn::Modified, Text(file.modified.toString(Qt::ISODate).toStdString()));
    }
    // The file's, on each of its rows: "Hotbird 13.0E (9 of 10)".
    if (file.satellite && file.satellite->likely) {
        set(LogColumn::LikelyPosition, Text(analysis::LikelyLabel(*file.satellite)));
    }
    if (const std::string failure = FailureText(file); !failure.empty()) {
        set(LogColumn::Failure, Text(failure));
    }
    return row;
}

void AddSnapshot(const logbook::LogEntry& entry, LogRow& row) {
    const SnapshotValues& v = entry.values;
    const auto set = [&row](LogColumn column, LogCell cell) {
        row[static_cast<std::size_t>(column)] = std::move(cell);
    };
    const bool spectrum = v.kind == ScreenKind::Spectrum;
    set(LogColumn::Kind, Text(KindName(v.kind)));
    set(LogColumn::Index, {LogCell::Type::Number, std::to_string(v.index)});
    set(LogColumn::Label, Text(DecodeLocalTextToUtf8(v.label)));
    if (v.kind == ScreenKind::Find) {
        set(LogColumn::Satellite, Text(DecodeLocalTextToUtf8(entry.satellite)));
    }
    set(LogColumn::RfMHz, Number(entry.rfMHz));
    set(LogColumn::IfMHz, Number(entry.ifMHz));
    set(LogColumn::Polarisation, Shown(v.polarisation));
    set(LogColumn::SymbolRate, Figure(v.symbolRate));
    set(LogColumn::Mode, Shown(v.mode));
    set(LogColumn::Power, Figure(v.power));
    set(LogColumn::Cn, Figure(v.cn));
    set(LogColumn::Mer, Figure(v.mer));
    set(LogColumn::Ber, Figure(v.ber));
    set(LogColumn::RequiredCn, Figure(v.requiredCn));
    set(LogColumn::Margin, Figure(v.margin));
    // A sweep is never judged.
    set(LogColumn::Verdict, spectrum ? LogCell{} : Text(v.verdict));
    if (entry.carriers) {
        set(LogColumn::Carriers, Number(static_cast<double>(*entry.carriers)));
    }
}

}  // namespace

std::string FailureText(const logbook::LogFile& file) {
    switch (file.failure.kind) {
        case ErrorKind::CannotOpen:
            return "cannot open: " + file.failure.detail;
        case ErrorKind::ShortRead:
            return "cannot read: " + file.failure.detail;
        case ErrorKind::None:
        case ErrorKind::Declined:  // only a window's user declines; the log asks nobody
            break;
    }
    return file.notMeterFile ? "not a meter memory image; nothing listed" : "";
}

std::vector<LogRow> LogRows(const logbook::LogFile& file) {
    const LogRow head = FileRow(file);
    if (file.entries.empty()) {
        return {head};
    }
    std::vector<LogRow> rows;
    rows.reserve(file.entries.size());
    for (const logbook::LogEntry& entry : file.entries) {
        rows.push_back(head);
        AddSnapshot(entry, rows.back());
    }
    return rows;
}

}  // namespace mirelta::cli
