#pragma once

#include <QStyledItemDelegate>

// Draws the plain text cells of the record list directly. The general delegate lays out every
// cell's text several times per paint, which at a screenful of rows is most of a refresh; the
// first column, with its check box, keeps the general drawing and handling. The model's colours
// are drawn as they are where they read, and lightened or darkened where they would not (a dark
// theme). A cell whose text does not fit shows it on hover, up to some hundreds of characters.
class RecordCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A column fitted to its texts is at most this many average characters wide.
    static constexpr int WidestFitCharacters = 30;

    // A text cell's text on one line, within the margins it is drawn in: the whole text, or as much
    // of it as WidestFitCharacters take, elided.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The text elided to the width, as QFontMetrics::elidedText gives it, at the cost of the part
    // that can show, however long the text.
    static QString elided(const QFontMetrics& metrics, const QString& text, int width);

private:
    // Where a cell's text stands.
    QRect textArea(const QStyleOptionViewItem& option, const QModelIndex& index,
                   const QWidget* view) const;
};
