#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/Modal.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A column of a table as it shows it, top to bottom.
QStringList columnOf(const QTableView* table, int column)
{
    QStringList cells;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        cells.append(table->model()->index(row, column).data().toString());
    return cells;
}

QPoint cellCentre(const QTableView* table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

void clickHeading(QTableView* table, int column)
{
    QHeaderView* header = table->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// Opens the summary from the menu by its access keys, as a keyboard user does.
void openByKeys(MainWindow& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_P);
}

TEST(PeopleWindow, TheSummaryAgreesWithTheStatusBarSortsCopiesAndOpensAPerson)
{
    WindowHarness h;
    const QString yesterday = QDate::currentDate().addDays(-1).toString(u"yyyy/MM/dd");
    h.addRecord("2026/02/01", "借出", "錢", "王", "現金", "300", "", "未歸還");
    h.addRecord("2026/01/15", "借出", "書", "王 ", "傘", "", yesterday, "未歸還");
    h.addRecord("2026/01/20", "借入", "錢", "李", "現金", "120", "", "未歸還");
    h.addRecord("2020/01/01", "借出", "錢", "王", "現金", "50", "", "已歸還");
    h.addRecord("2025/11/30", "借出", "錢", "張", "現金", "1000", "", "未歸還");
    h.addRecord("2026/01/02", "借入", "書", "", "筆", "", "", "未歸還");
    h.start();
    const QString status = h.statusText();
    EXPECT_EQ(status, " 共 6 筆資料，借出未歸還金額: 1300，借入未歸還金額: 120");
    EXPECT_EQ(h.window().findChild<QLabel*>(MainWindowControls::overdueCount)->text(), "逾期 1 筆");

    bool opened = false;
    onNextDialog(PeopleWindowControls::dialog, [&](QDialog& people) {
        opened = true;
        auto* table = control<QTableView>(people, PeopleWindowControls::list);
        // Money lent out, largest first, as numbers; equal sums as the register first has them.
        EXPECT_EQ(columnOf(table, 0), QStringList({"張", "王", "李", "(未填)"}));
        EXPECT_EQ(columnOf(table, 1), QStringList({"1", "2", "0", "0"}));
        EXPECT_EQ(columnOf(table, 4), QStringList({"0", "1", "0", "0"}));
        EXPECT_EQ(columnOf(table, 5),
                  QStringList({"2025/11/30", "2026/01/15", "2026/01/20", "2026/01/02"}));
        EXPECT_TRUE(control<QLabel>(people, PeopleWindowControls::totals)
                        ->text()
                        .contains(status.section("，", 1)))
            << control<QLabel>(people, PeopleWindowControls::totals)->text().toStdString();

        // Nothing selected: every row, headings first.
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(),
                  "借用人\t借出未歸還筆數\t借出未歸還金額\t借入未歸還金額\t逾期筆數\t最早未歸還日\n"
                  "張\t1\t1000\t0\t0\t2025/11/30\n"
                  "王\t2\t300\t0\t1\t2026/01/15\n"
                  "李\t0\t0\t120\t0\t2026/01/20\n"
                  "(未填)\t0\t0\t0\t0\t2026/01/02\n");
        // The oldest first, then the rows picked, as the window shows them.
        clickHeading(table, 5);
        EXPECT_EQ(columnOf(table, 0), QStringList({"張", "(未填)", "王", "李"}));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 3, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          cellCentre(table, 0, 2));
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(
            QApplication::clipboard()->text().split('\n'),
            QStringList({"借用人\t借出未歸還筆數\t借出未歸還金額\t借入未歸還金額\t逾期筆數\t"
                         "最早未歸還日",
                         "張\t1\t1000\t0\t0\t2025/11/30", "李\t0\t0\t120\t0\t2026/01/20", ""}));

        // Enter on 王: every record of theirs, returned too, oldest first, to read only.
        bool shown = false;
        onNextDialog(PersonRecordsControls::dialog, [&](QDialog& person) {
            shown = true;
            auto* list = control<QTableView>(person, PersonRecordsControls::list);
            EXPECT_EQ(columnOf(list, 0), QStringList({"2020/01/01", "2026/01/15", "2026/02/01"}));
            EXPECT_EQ(columnOf(list, 4), QStringList({"現金", "傘", "現金"}));
            const QAbstractItemModel* rows = list->model();
            EXPECT_EQ(rows->index(0, 1).data(Qt::ForegroundRole),
                      h.list()->model()->index(0, 1).data(Qt::ForegroundRole));
            EXPECT_TRUE(rows->index(1, 6).data(Qt::BackgroundRole).isValid()) << "overdue";
            EXPECT_FALSE(rows->index(0, 6).data(Qt::BackgroundRole).isValid());
            EXPECT_FALSE(rows->index(0, 0).data(Qt::CheckStateRole).isValid());
            EXPECT_FALSE(rows->flags(rows->index(0, 0)) & Qt::ItemIsUserCheckable);
            // Short texts are shown whole, beside the margins the list draws them in.
            for (int column = 1; column < 8; ++column)
                EXPECT_GE(
                    list->columnWidth(column) - 8,
                    list->fontMetrics().horizontalAdvance(rows->index(0, column).data().toString()))
                    << column;
        });
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 2, 0));
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(people.isVisible()) << "Enter on a row leaves the summary open";
    });
    openByKeys(h.window());
    EXPECT_TRUE(opened);
    EXPECT_EQ(Modal::pendingHandlers(), 0);
}

} // namespace
