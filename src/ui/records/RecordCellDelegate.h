#pragma once

#include <QStyledItemDelegate>

// Draws the plain text cells of the record list directly. The general delegate lays out every
// cell's text several times per paint, which at a screenful of rows is most of a refresh; the
// first column, with its check box, keeps the general drawing and handling. The model's colours
// are drawn as they are where they read, and lightened or darkened where they would not (a dark
// theme). A cell whose text does not fit shows the whole of it on hover.
class RecordCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A text cell's whole text on one line, within the margins it is drawn in.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    // Where a cell's text stands.
    QRect textArea(const QStyleOptionViewItem& option, const QModelIndex& index,
                   const QWidget* view) const;
};
