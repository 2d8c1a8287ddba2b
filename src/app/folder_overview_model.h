// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <array>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "assess/assessment.h"
#include "data/screen_kind.h"
#include "logbook/logbook.h"

namespace mirelta {

// Every snapshot of every file read so far, one row each, in the order the files came. A file
// with no snapshot to list (unreadable, not a meter file, or empty) is one row that says why in
// the label column.
class FolderOverviewModel : public QAbstractTableModel {
  public:
    enum Column {
        File,
        Kind,
        Number,
        Label,
        Satellite,
        RfMHz,
        Polarisation,
        SymbolRate,
        Mode,
        Power,
        Cn,
        Mer,
        Margin,
        VerdictColumn,
        Carriers,
        ColumnCount
    };
    enum Role {
        SortRole = Qt::UserRole,  // a number in the numeric columns (none for "-"), else the text
        PathRole,                 // the file's full path
        KindRole,                 // the ScreenKind as an int; none on a file's own row
        IndexRole,                // in its kind's list; none on a file's own row
        VerdictRole,              // the Verdict as an int; none on a file's own row
    };

    // Paths are shown relative to `folder`.
    explicit FolderOverviewModel(const QString& folder, QObject* parent = nullptr);

    // Appends the file's rows at once.
    void addFile(const logbook::LogFile& file);

    // The verdicts of the rows so far, and whether any file has a row of its own.
    const std::set<Verdict>& verdicts() const { return verdicts_; }
    int fileRows() const { return fileRows_; }
    int snapshotCount() const { return static_cast<int>(rows_.size()) - fileRows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        QString path{};  // shared by all rows of a file
        std::optional<ScreenKind> kind{};
        int index = 0;
        std::optional<Verdict> verdict{};
        std::array<QString, ColumnCount> text{};
        std::array<std::optional<double>, ColumnCount> number{};  // the numeric columns' sort keys
    };
    static Row snapshotRow(const QString& path, const QString& shown,
                           const logbook::LogEntry& entry);

    QString folder_;
    std::deque<Row> rows_;  // grows without moving the rows already there
    std::set<Verdict> verdicts_;
    int fileRows_ = 0;
    mutable std::map<Verdict, QIcon> icons_;  // made on first paint
};

}  // namespace mirelta
