// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_forms.h"

#include <cstdio>

#include "cli/csv_field.h"
#include "cli/json_writer.h"
#include "cli/log_rows.h"
#include "cli/terminal_text.h"

namespace mirelta::cli {
namespace {

std::string CsvRow(const LogRow& row) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
        line += (k == 0 ? "" : ",") + CsvField(row[k].text);
    }
    return line + '\n';
}

std::string JsonRow(const LogRow& row) {
    std::string object = "{";
    for (std::size_t k = 0; k < row.size(); ++k) {
        const LogCell& cell = row[k];
        object += (k == 0 ? "" : ",") + JsonQuote(kLogColumnNames[k]) + ':';
        switch (cell.type) {
            case LogCell::Type::Missing:
                object += "null";
                break;
            case LogCell::Type::Number:
                object += cell.text;
                break;
            case LogCell::Type::Text:
                object += JsonQuote(cell.text);
                break;
        }
    }
    return object + '}';
}

// The text table: a line per file, then one per snapshot under the captions of LogHead.
std::string Shown(const LogRow& row, LogColumn column) {
    const LogCell& cell = CellOf(row, column);
    return cell.type == LogCell::Type::Missing ? "-" : TerminalText(cell.text);
}

std::string TextFileLine(const LogRow& row) {
    std::string line = Shown(row, LogColumn::File) + "  sha256 " + Shown(row, LogColumn::Sha256) +
                       "  modified " + Shown(row, LogColumn::Modified);
    if (const LogCell& likely = CellOf(row, LogColumn::LikelyPosition);
        likely.type != LogCell::Type::Missing) {
        line += "  likely " + TerminalText(likely.text);
    }
    if (const LogCell& failure = CellOf(row, LogColumn::Failure);
        failure.type != LogCell::Type::Missing) {
        line += "  " + TerminalText(failure.text);
    }
    return line + '\n';
}

constexpr const char* kTextCaptions =
    "KIND           INDEX  VERDICT    RF MHz  IF MHz  POL     SR  MODE               dBuV  "
    "C/N dB  MER dB  BER       REQ dB  MARGIN  CARRIERS  LABEL [SATELLITE]\n";

std::string TextSnapshotLine(const LogRow& row) {
    std::string satellite;
    if (CellOf(row, LogColumn::Satellite).type != LogCell::Type::Missing) {
        satellite = " [" + Shown(row, LogColumn::Satellite) + "]";
    }
    const auto c = [&row](LogColumn column) { return Shown(row, column); };
    char line[512];
    std::snprintf(
        line, sizeof line,
        "%-13s  %5s  %-9s  %6s  %6s  %-3s  %5s  %-17s  %4s  %6s  %6s  %-8s  %6s  %6s  %8s  ",
        c(LogColumn::Kind).c_str(), c(LogColumn::Index).c_str(), c(LogColumn::Verdict).c_str(),
        c(LogColumn::RfMHz).c_str(), c(LogColumn::IfMHz).c_str(),
        c(LogColumn::Polarisation).c_str(), c(LogColumn::SymbolRate).c_str(),
        c(LogColumn::Mode).c_str(), c(LogColumn::Power).c_str(), c(LogColumn::Cn).c_str(),
        c(LogColumn::Mer).c_str(), c(LogColumn::Ber).c_str(), c(LogColumn::RequiredCn).c_str(),
        c(LogColumn::Margin).c_str(), c(LogColumn::Carriers).c_str());
    return line + c(LogColumn::Label) + satellite + '\n';
}

}  // namespace

std::string LogHead(LogForm form) {
    switch (form) {
        case LogForm::Text:
            return kTextCaptions;
        case LogForm::Csv: {
            std::string header;
            for (const char* name : kLogColumnNames) {
                header += (header.empty() ? "" : ",") + std::string(name);
            }
            return header + '\n';
        }
        case LogForm::Json:
            return "[";
    }
    return {};
}

std::string LogBody(LogForm form, const logbook::LogFile& file, bool first) {
    const std::vector<LogRow> rows = LogRows(file);
    std::string text;
    if (form == LogForm::Text) {
        text = TextFileLine(rows.front());
    }
    for (const LogRow& row : rows) {
        switch (form) {
            case LogForm::Text:
                if (!file.entries.empty()) {
                    text += TextSnapshotLine(row);
                }
                break;
            case LogForm::Csv:
                text += CsvRow(row);
                break;
            case LogForm::Json:
                text += (first && &row == rows.data() ? "\n" : ",\n") + JsonRow(row);
                break;
        }
    }
    return text;
}

std::string LogTail(LogForm form) {
    return form == LogForm::Json ? "\n]\n" : "";
}

}  // namespace mirelta::cli
