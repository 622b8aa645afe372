#include "support/RepaintWatch.h"

#include <QAbstractItemModel>

RepaintWatch::RepaintWatch(const QAbstractItemModel* model)
    : changes_(model, &QAbstractItemModel::dataChanged)
{
}

bool RepaintWatch::covers(int row, int column, int role) const
{
    for (const QList<QVariant>& change : changes_) {
        const auto from = change.at(0).value<QModelIndex>();
        const auto to = change.at(1).value<QModelIndex>();
        const auto roles = change.at(2).value<QList<int>>();
        if (from.row() <= row && row <= to.row() && from.column() <= column &&
            column <= to.column() && (roles.isEmpty() || roles.contains(role)))
            return true;
    }
    return false;
}
