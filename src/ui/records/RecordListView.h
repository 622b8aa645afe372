#pragma once

#include <QTableView>

// The record list's view. Its rows and its column header follow its font, the header its palette,
// and its selected row stays in view when the view gets lower or the rows taller, if the row was
// wholly in view before: the window's frame, a scroll bar or a larger font would otherwise push the
// last row, selected after every refresh, out of sight.
// By keyboard the list is one stop of the window's tab order: the arrow keys move between rows,
// Space ticks the current row, and Enter or F2 asks to edit it.
class RecordListView : public QTableView
{
    Q_OBJECT
public:
    explicit RecordListView(QWidget* parent = nullptr);

    // The selected row, or -1.
    int selectedRow() const;

signals:
    // Enter, Return or F2 on the current row.
    void editKeyPressed(const QModelIndex& index);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Called for the viewport's size.
    void resizeEvent(QResizeEvent* event) override;

private:
    // Brings rowInView (-1 for none) back into view at the new font.
    void followFont(int rowInView);
    void followPalette();
    bool whollyWithin(int row, int height) const;
    // Scrolls the row into view, keeping the horizontal position.
    void bringIntoView(int row);
};
