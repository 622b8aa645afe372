#include "ui/records/RecordCellDelegate.h"

#include "ui/widgets/Contrast.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
// Far less than a tooltip's width, which is some 80 characters.
constexpr qsizetype kLongestRun = 40;
// Between a text cell's edges and its text.
constexpr int kTextMargin = 4;

// The text with a place to break the line at least every kLongestRun characters: a run without a
// space (a long web address, one letter typed over and over) would make one line wider than the
// screen. One pass, cheap at the length of the longest tooltip.
QString breakable(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / kLongestRun);
    qsizetype run = 0;
    for (const QChar c : text) {
        if (run >= kLongestRun && !c.isLowSurrogate()) {
            result += QChar(0x200B); // zero width space
            run = 0;
        }
        result += c;
        run = c.isSpace() ? 0 : run + 1;
    }
    return result;
}
} // namespace

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
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        painter->setPen(option.palette.color(group, QPalette::HighlightedText));
    } else {
        // The model's colours are made for a light list; on any other they keep their hue and
        // are made readable: a cell's background behind the list's text, then its text on that.
        const QColor text = option.palette.color(group, QPalette::Text);
        QColor ground = option.palette.color(group, QPalette::Base);
        if (const QVariant background = index.data(Qt::BackgroundRole); background.isValid()) {
            ground = Contrast::readableOn(background.value<QColor>(), text);
            painter->fillRect(option.rect, ground);
        }
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(
            Contrast::readableOn(foreground.isValid() ? foreground.value<QColor>() : text, ground));
    }
    painter->setFont(option.font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect area = textArea(option, index, nullptr);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      elided(option.fontMetrics, text, area.width()));
}

// Measures only the start that can show: as many characters as would fit at half the font's
// average width, more only while they all fit. Laying out the whole of a long text would cost the
// shaping of every character in it, the first time at a font each one new.
QString RecordCellDelegate::elided(const QFontMetrics& metrics, const QString& text, int width)
{
    qsizetype take = 2 * std::max(width, 0) / std::max(1, metrics.averageCharWidth()) + 2;
    for (;;) {
        if (take >= text.size())
            return metrics.elidedText(text, Qt::ElideRight, width);
        const QString start = text.first(take);
        const QString shown = metrics.elidedText(start, Qt::ElideRight, width);
        // Elided, the start gives what the whole text gives.
        if (shown != start)
            return shown;
        take *= 2;
    }
}

QRect RecordCellDelegate::textArea(const QStyleOptionViewItem& option, const QModelIndex& index,
                                   const QWidget* view) const
{
    if (index.column() != 0)
        return option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    // Beside the check box, as the general drawing places it.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = view ? view->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
}

QSize RecordCellDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    if (index.column() == 0)
        return QStyledItemDelegate::sizeHint(option, index);
    // The height of one line, taken from the text's first character: laid out whole, a long text
    // would cost the shaping of every character.
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const QString text = line.text;
    line.text.truncate(1);
    const QStyle* style = line.widget ? line.widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), line.widget);
    const int widest = WidestFitCharacters * option.fontMetrics.averageCharWidth();
    size.setWidth(option.fontMetrics.horizontalAdvance(elided(option.fontMetrics, text, widest)) +
                  2 * kTextMargin + 1);
    return size;
}

bool RecordCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString whole = index.data(Qt::ToolTipRole).toString();
    const QString shown = index.data(Qt::DisplayRole).toString();
    const bool fits = whole == shown && option.fontMetrics.horizontalAdvance(shown) <=
                                            textArea(option, index, view).width();
    if (whole.isEmpty() || fits) {
        QToolTip::hideText();
        return true;
    }
    // As rich text, so that a long text wraps and its own line breaks stay.
    QString tip = breakable(whole).toHtmlEscaped();
    tip.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    tip.replace(u'\n', QLatin1String("<br>"));
    QToolTip::showText(event->globalPos(), QStringLiteral("<p>") + tip + QStringLiteral("</p>"),
                       view->viewport(), option.rect);
    return true;
}
