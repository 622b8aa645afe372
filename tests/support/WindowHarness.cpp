#include "support/WindowHarness.h"

#include "store/ListFile.h"
#include "store/RecordFile.h"
#include "support/Dialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

WindowHarness::WindowHarness()
    : store_(std::make_unique<DataStore>(dir_.dir())), settings_(std::make_unique<SettingsStore>())
{
}

WindowHarness::~WindowHarness() = default;

MainWindow& WindowHarness::start()
{
    // Records added before the first start reach the window the way the program reads them.
    if (!window_ && store_->records().count() > 0 && !dir_.exists(DataFiles::Records))
        dir_.write(DataFiles::Records, RecordFile::serialize(store_->records()));
    window_.reset();
    window_ = std::make_unique<MainWindow>(*store_, *settings_);
    window_->load();
    if (!window_->hasShutDown())
        window_->show();
    return *window_;
}

int WindowHarness::addRecord(const QString& date, const QString& direction, const QString& category,
                             const QString& borrower, const QString& content, const QString& amount,
                             const QString& dueDate, const QString& status)
{
    return store_->recordRegister().append(
        {date, direction, category, borrower, content, amount, dueDate, status});
}

void WindowHarness::writeRecordFile(const QList<LoanRecord>& records) const
{
    RecordTable table;
    for (const LoanRecord& r : records)
        table.append(r);
    dir_.write(DataFiles::Records, RecordFile::serialize(table));
}

void WindowHarness::writeListFile(const QString& fileName, const QStringList& names) const
{
    dir_.write(fileName, ListFile::serialize(names));
}

QTableView* WindowHarness::list() const
{
    return window_->centralWidget()->findChild<QTableView*>(
        QLatin1String(MainWindowControls::recordList));
}

QComboBox* WindowHarness::categoryFilter() const
{
    return window_->centralWidget()->findChild<QComboBox*>(
        QLatin1String(MainWindowControls::categoryFilter));
}

QStringList WindowHarness::categoryEntries() const
{
    QStringList entries;
    for (int i = 0; i < categoryFilter()->count(); ++i)
        entries.append(categoryFilter()->itemText(i));
    return entries;
}

int WindowHarness::rows() const
{
    return list()->model()->rowCount();
}

QString WindowHarness::cell(int row, int column) const
{
    return list()->model()->index(row, column).data().toString();
}

bool WindowHarness::isTicked(int row) const
{
    return list()->model()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked;
}

int WindowHarness::selectedRow() const
{
    const QModelIndexList selected = list()->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString WindowHarness::statusText() const
{
    return window_->findChild<QLabel*>(QLatin1String(MainWindowControls::summary))->text();
}

int WindowHarness::checkedOption(const char* group) const
{
    return window_->centralWidget()->findChild<QButtonGroup*>(QLatin1String(group))->checkedId();
}

bool WindowHarness::isChecked(const QString& action) const
{
    return window_->findChild<QAction*>(action)->isChecked();
}

void WindowHarness::trigger(const QString& action) const
{
    QAction* found = window_->findChild<QAction*>(action);
    ASSERT_NE(found, nullptr) << action.toStdString();
    found->trigger();
}

void WindowHarness::click(const char* button) const
{
    auto* found = window_->centralWidget()->findChild<QAbstractButton*>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
}

// From the opened drop-down list, by the arrow keys and Return, as the user picks an entry.
void WindowHarness::chooseCategory(const QString& entry) const
{
    QComboBox* box = categoryFilter();
    const int index = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << entry.toStdString();
    box->showPopup();
    QAbstractItemView* view = box->view();
    for (int row = view->currentIndex().row(); row != index; row += row < index ? 1 : -1)
        QTest::keyClick(view, row < index ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
}

QPoint WindowHarness::cellCentre(int row, int column) const
{
    QTableView* view = list();
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void WindowHarness::clickRow(int row) const
{
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(row, 3));
}

void WindowHarness::tickRow(int row) const
{
    const QPoint checkBox(list()->visualRect(list()->model()->index(row, 0)).left() + 8,
                          cellCentre(row, 0).y());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, checkBox);
}

void WindowHarness::doubleClickRow(int row) const
{
    const QPoint centre = cellCentre(row, 3);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
}

void WindowHarness::doubleClickTick(int row) const
{
    const QPoint checkBox(list()->visualRect(list()->model()->index(row, 0)).left() + 8,
                          cellCentre(row, 0).y());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, checkBox);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, checkBox);
}

namespace {
// Unless the work closed it already.
bool closeWithOk(QDialog& editor)
{
    if (editor.isVisible())
        clickButton(editor, RecordEditorControls::okButton);
    return !editor.isVisible() && editor.result() == QDialog::Accepted;
}
} // namespace

bool WindowHarness::enterNew(const std::function<void(QDialog&)>& fill) const
{
    bool stored = false;
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& editor) {
        typeText(editor, RecordEditorControls::borrowerBox, QStringLiteral("王小明"));
        if (fill)
            fill(editor);
        stored = closeWithOk(editor);
    });
    trigger(MainMenuItems::newRecord);
    return stored;
}

bool WindowHarness::editRow(int row, const std::function<void(QDialog&)>& change) const
{
    bool stored = false;
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& editor) {
        change(editor);
        stored = closeWithOk(editor);
    });
    doubleClickRow(row);
    return stored;
}
