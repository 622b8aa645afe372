#pragma once

#include <QStyledItemDelegate>

// Draws the plain text cells of the record list directly. The general delegate lays out every
// cell's text several times per paint, which at a screenful of rows is most of a refresh; the
// first column, with its check box, keeps the general drawing and handling.
class RecordCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
