// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_overview_filter.h"

#include "app/folder_overview_model.h"

namespace mirelta {

FolderOverviewFilter::FolderOverviewFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(FolderOverviewModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setFilterKeyColumn(-1);
}

void FolderOverviewFilter::setVerdict(int keep) {
    verdict_ = keep;
    invalidateRowsFilter();
}

void FolderOverviewFilter::setText(const QString& text) {
    setFilterFixedString(text);
}

bool FolderOverviewFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (verdict_ != Keep::All) {
        const QVariant verdict =
            sourceModel()->index(sourceRow, 0, sourceParent).data(FolderOverviewModel::VerdictRole);
        if (verdict.isValid() ? verdict.toInt() != verdict_ : verdict_ != Keep::FileRows) {
            return false;
        }
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

}  // namespace mirelta
