#pragma once

#include <QDate>
#include <QDialog>

class QLabel;
class QSortFilterProxyModel;
class QTableView;
class RecordRegister;
class PeopleModel;

// Who owes what: one row per other party with something still out, the totals under them. A
// heading sorts by its column; Enter or a double-click on a row shows that party's records;
// Ctrl+C copies the selected rows, or all, for a spreadsheet.
class PeopleWindow : public QDialog
{
    Q_OBJECT
public:
    PeopleWindow(const RecordRegister& records, const QDate& today, const QFont& listFont,
                 QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const QFont& listFont);
    // The rows as the window shows them, headings first, a tab between cells and a line feed
    // after each row; the selected rows, or all when none is selected.
    QString copiedText() const;
    void copyRows() const;
    void showPerson(const QModelIndex& index);

    const RecordRegister& records_;
    QFont listFont_;
    PeopleModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* totals_ = nullptr;
};
