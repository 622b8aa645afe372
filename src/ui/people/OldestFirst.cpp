#include "ui/people/OldestFirst.h"

#include "store/DateText.h"

void OldestFirst::sortRows()
{
    dates_.clear();
    const int rows = sourceModel()->rowCount();
    dates_.reserve(rows);
    for (int row = 0; row < rows; ++row)
        dates_.append(
            DateText::parse(sourceModel()->index(row, 0).data().toString()).value_or(QDate()));
    sort(0, Qt::AscendingOrder);
}

bool OldestFirst::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // A row the source gained since has no date read: it goes last.
    const QDate a = dates_.value(left.row());
    const QDate b = dates_.value(right.row());
    if (!a.isValid() || !b.isValid())
        return a.isValid() && !b.isValid();
    return a < b;
}

QVariant OldestFirst::data(const QModelIndex& index, int role) const
{
    return role == Qt::CheckStateRole ? QVariant() : QSortFilterProxyModel::data(index, role);
}

Qt::ItemFlags OldestFirst::flags(const QModelIndex& index) const
{
    return QSortFilterProxyModel::flags(index) & ~Qt::ItemIsUserCheckable;
}
