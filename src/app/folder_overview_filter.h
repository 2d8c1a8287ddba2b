// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>
#include <optional>

namespace mirelta {

// The overview's rows as the user narrows and orders them: numbers sort as numbers, the text
// filter matches any column, and the verdict filter keeps one verdict or the files without
// snapshots.
class FolderOverviewFilter : public QSortFilterProxyModel {
  public:
    // What the verdict filter keeps.
    struct Keep {
        static constexpr int All = -2;
        static constexpr int FileRows = -1;  // else a Verdict as an int
    };

    explicit FolderOverviewFilter(QObject* parent = nullptr);

    void setVerdict(int keep);
    void setText(const QString& text);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    int verdict_ = Keep::All;
};

}  // namespace mirelta
