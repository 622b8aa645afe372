#include "ui/main/RecordCellDelegate.h"

#include <QPainter>

void RecordCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    if (index.column() == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(selected               ? option.palette.color(group, QPalette::HighlightedText)
                    : foreground.isValid() ? foreground.value<QColor>()
                                           : option.palette.color(group, QPalette::Text));
    painter->setFont(option.font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect area = option.rect.adjusted(4, 0, -4, 0);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
}
