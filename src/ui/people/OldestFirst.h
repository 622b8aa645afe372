#pragma once

#include <QDate>
#include <QList>
#include <QSortFilterProxyModel>

// The record list's rows, oldest date first, to read only: the check boxes are left out. Rows
// of the same date keep their order; a date that does not read as one comes last.
class OldestFirst : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // Orders the rows the source model holds now.
    void sortRows();

    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // Each source row's date, read once rather than at every comparison.
    QList<QDate> dates_;
};
