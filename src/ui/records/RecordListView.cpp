#include "ui/records/RecordListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>

RecordListView::RecordListView(QWidget* parent) : QTableView(parent)
{
    // Tab leaves the list instead of walking its cells.
    setTabKeyNavigation(false);
    followFont(-1);
}

void RecordListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || event->modifiers() & ~Qt::KeypadModifier) {
        QTableView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        emit editKeyPressed(current);
        break;
    case Qt::Key_Space: {
        // The tick sits in the first column, whichever cell of the row is current.
        const QModelIndex tick = current.siblingAtColumn(0);
        const bool ticked = tick.data(Qt::CheckStateRole) == Qt::Checked;
        model()->setData(tick, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        break;
    }
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void RecordListView::changeEvent(QEvent* event)
{
    if (event->type() != QEvent::FontChange) {
        QTableView::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            followPalette();
        return;
    }
    // Taken before the new font moves anything: the header grows with it and shrinks the
    // viewport while the scroll bars cannot follow yet.
    const int row = selectedRow();
    const bool inView = row >= 0 && whollyWithin(row, viewport()->height());
    QTableView::changeEvent(event);
    followFont(inView ? row : -1);
}

// The header's style sheet takes the palette's colours when it is applied: applied anew, it takes
// those of a theme changed while the program runs.
void RecordListView::followPalette()
{
    QHeaderView* header = horizontalHeader();
    header->setStyleSheet(header->styleSheet());
}

// The header's style sheet keeps the header, and the viewport it paints its sections on, from
// inheriting the list's font, so the font is handed to both.
void RecordListView::followFont(int rowInView)
{
    QHeaderView* header = horizontalHeader();
    header->setFont(font());
    header->viewport()->setFont(font());
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The header's height and the scroll bars' ranges follow at once.
    updateGeometries();
    if (rowInView >= 0)
        bringIntoView(rowInView);
}

void RecordListView::resizeEvent(QResizeEvent* event)
{
    const int row = selectedRow();
    const int before = event->oldSize().height();
    const bool pushedOut = row >= 0 && event->size().height() < before &&
                           whollyWithin(row, before) && !whollyWithin(row, event->size().height());
    // Updates the scroll bars to the new size first.
    QTableView::resizeEvent(event);
    if (pushedOut)
        bringIntoView(row);
}

int RecordListView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool RecordListView::whollyWithin(int row, int height) const
{
    const int top = rowViewportPosition(row);
    return top >= 0 && top + rowHeight(row) <= height;
}

void RecordListView::bringIntoView(int row)
{
    const int left = horizontalScrollBar()->value();
    scrollTo(model()->index(row, 0));
    horizontalScrollBar()->setValue(left);
}
