// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_overview_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <charconv>
#include <cmath>

#include "platform/text_codec.h"
#include "report/verdict_colour.h"

namespace mirelta {
namespace {

const QColor kFileRowText(120, 120, 120);
const QString kNone = QStringLiteral("-");  // as the other values a kind does not have read

const char* KindName(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::Find:
            return QT_TRANSLATE_NOOP("Mirelta", "Find");
        case ScreenKind::Constellation:
            return QT_TRANSLATE_NOOP("Mirelta", "Constellation");
        case ScreenKind::Spectrum:
            return QT_TRANSLATE_NOOP("Mirelta", "Spectrum");
        case ScreenKind::None:
            break;
    }
    return "";
}

// The number a reading starts with ("12.3 dB", "+4.5"); none for "-" or "None". Independent of
// the C locale, which the toolkit sets from the environment.
std::optional<double> LeadingNumber(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && (*begin == ' ' || *begin == '+')) {
        ++begin;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop == begin) {
        return std::nullopt;
    }
    return value;
}

bool IsNumeric(int column) {
    switch (column) {
        case FolderOverviewModel::Number:
        case FolderOverviewModel::RfMHz:
        case FolderOverviewModel::SymbolRate:
        case FolderOverviewModel::Power:
        case FolderOverviewModel::Cn:
        case FolderOverviewModel::Mer:
        case FolderOverviewModel::Margin:
        case FolderOverviewModel::Carriers:
            return true;
        default:
            return false;
    }
}

QString Ascii(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString NumberText(double value) {
    return QString::number(value, 'g', 10);
}

// A square of the verdict's colour beside its word, so the colour is never the only sign.
QIcon VerdictIcon(Verdict verdict) {
    QPixmap square(12, 12);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(VerdictColour(verdict));
    painter.drawRect(0, 0, 11, 11);
    return QIcon(square);
}

QString WhyNoRows(const logbook::LogFile& file) {
    if (!file.failure.ok()) {
        const QString what = file.failure.kind == ErrorKind::CannotOpen
                                 ? QCoreApplication::translate("Mirelta", "cannot open: ")
                                 : QCoreApplication::translate("Mirelta", "cannot read: ");
        return what + QString::fromStdString(file.failure.detail);
    }
    if (file.notMeterFile) {
        return QCoreApplication::translate("Mirelta", "not a meter file");
    }
    return QCoreApplication::translate("Mirelta", "no saved snapshots");
}

}  // namespace

FolderOverviewModel::FolderOverviewModel(const QString& folder, QObject* parent)
    : QAbstractTableModel(parent), folder_(folder) {}

FolderOverviewModel::Row FolderOverviewModel::snapshotRow(const QString& path, const QString& shown,
                                                          const logbook::LogEntry& entry) {
    const SnapshotValues& v = entry.values;
    Row row{.path = path, .kind = v.kind, .index = v.index, .verdict = v.assessment.verdict};
    auto& t = row.text;
    t[File] = shown;
    t[Kind] = QCoreApplication::translate("Mirelta", KindName(v.kind));
    t[Number] = QString::number(v.index + 1);
    t[Label] = DecodeLocalText(v.label);
    t[Satellite] = DecodeLocalText(entry.satellite);
    t[RfMHz] = entry.rfMHz ? NumberText(*entry.rfMHz) : kNone;
    t[Polarisation] = Ascii(v.polarisation);
    t[SymbolRate] = Ascii(v.symbolRate);
    t[Mode] = Ascii(v.mode);
    t[Power] = Ascii(v.power);
    t[Cn] = Ascii(v.cn);
    t[Mer] = Ascii(v.mer);
    t[Margin] = Ascii(v.margin);
    t[VerdictColumn] = QString::fromLatin1(VerdictText(v.assessment.verdict));
    t[Carriers] = entry.carriers ? QString::number(*entry.carriers) : kNone;

    auto& n = row.number;
    n[Number] = v.index + 1;
    n[RfMHz] = entry.rfMHz;
    n[SymbolRate] = LeadingNumber(v.symbolRate);
    n[Power] = LeadingNumber(v.power);
    n[Cn] = LeadingNumber(v.cn);
    n[Mer] = LeadingNumber(v.mer);
    n[Margin] = LeadingNumber(v.margin);
    if (entry.carriers) {
        n[Carriers] = *entry.carriers;
    }
    return row;
}

void FolderOverviewModel::addFile(const logbook::LogFile& file) {
    const QString path = QFile::decodeName(file.path.c_str());
    const QString shown = QDir(folder_).relativeFilePath(path);
    const int first = static_cast<int>(rows_.size());
    const int count = file.entries.empty() ? 1 : static_cast<int>(file.entries.size());
    beginInsertRows({}, first, first + count - 1);
    if (file.entries.empty()) {
        Row row{.path = path};
        row.text[File] = shown;
        row.text[Label] = WhyNoRows(file);
        rows_.push_back(std::move(row));
        ++fileRows_;
    }
    for (const logbook::LogEntry& entry : file.entries) {
        rows_.push_back(snapshotRow(path, shown, entry));
        verdicts_.insert(entry.values.assessment.verdict);
    }
    endInsertRows();
}

int FolderOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FolderOverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return row.text[static_cast<std::size_t>(column)];
        case SortRole:
            if (column == VerdictColumn) {
                return row.verdict ? QVariant(static_cast<int>(*row.verdict)) : QVariant();
            }
            if (IsNumeric(column)) {
                const auto& number = row.number[static_cast<std::size_t>(column)];
                return number ? QVariant(*number) : QVariant();
            }
            return row.text[static_cast<std::size_t>(column)];
        case Qt::DecorationRole:
            if (column == VerdictColumn && row.verdict) {
                auto [icon, made] = icons_.try_emplace(*row.verdict);
                if (made) {
                    icon->second = VerdictIcon(*row.verdict);
                }
                return icon->second;
            }
            return {};
        case Qt::ForegroundRole:
            return row.kind ? QVariant() : QVariant(kFileRowText);
        case Qt::ToolTipRole:
            if (column == File) {
                return row.path;
            }
            return row.kind ? QVariant() : QVariant(row.text[Label]);
        case Qt::TextAlignmentRole:
            return IsNumeric(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case PathRole:
            return row.path;
        case KindRole:
            return row.kind ? QVariant(static_cast<int>(*row.kind)) : QVariant();
        case IndexRole:
            return row.kind ? QVariant(row.index) : QVariant();
        case VerdictRole:
            return row.verdict ? QVariant(static_cast<int>(*row.verdict)) : QVariant();
        default:
            return {};
    }
}

QVariant FolderOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const std::array<const char*, ColumnCount> kTitles = {
        QT_TRANSLATE_NOOP("Mirelta", "File"),
        QT_TRANSLATE_NOOP("Mirelta", "Kind"),
        "#",
        QT_TRANSLATE_NOOP("Mirelta", "Label"),
        QT_TRANSLATE_NOOP("Mirelta", "Satellite"),
        QT_TRANSLATE_NOOP("Mirelta", "RF MHz"),
        QT_TRANSLATE_NOOP("Mirelta", "Pol."),
        QT_TRANSLATE_NOOP("Mirelta", "SR kS/s"),
        QT_TRANSLATE_NOOP("Mirelta", "Mode"),
        QT_TRANSLATE_NOOP("Mirelta", "Power dBuV"),
        "C/N",
        "MER",
        QT_TRANSLATE_NOOP("Mirelta", "Margin dB"),
        QT_TRANSLATE_NOOP("Mirelta", "Verdict"),
        QT_TRANSLATE_NOOP("Mirelta", "Carriers")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QCoreApplication::translate("Mirelta", kTitles[static_cast<std::size_t>(section)]);
}

}  // namespace mirelta
