#include "support/MainFormHarness.h"
#include "ui/main/RecordListModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QColor>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kLent = QStringLiteral("借出");
const QString kBorrowed = QStringLiteral("借入");
const QString kOut = QStringLiteral("未歸還");
const QString kBack = QStringLiteral("已歸還");

class RecordList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        h.writeListFile(DataStore::TypeFileName, {QStringLiteral("書"), QStringLiteral("錢")});
    }

    void add(const QString& direction, const QString& category, const QString& amount,
             const QString& status)
    {
        ++n;
        h.addRecord(QStringLiteral("2026/01/0%1").arg(n), direction, category,
                    QStringLiteral("人%1").arg(n), QStringLiteral("物"), amount, {}, status);
    }

    QPushButton* selectAll()
    {
        return h.form().findChild<QPushButton*>(QStringLiteral("Command1"));
    }
    QVariant foreground(int row, int column)
    {
        return h.form().listModel().data(h.form().listModel().index(row, column),
                                         Qt::ForegroundRole);
    }

    MainFormHarness h;
    int n = 0;
};
} // namespace

TEST_F(RecordList, EmptyRegisterShowsZeroTotals)
{
    h.start();
    EXPECT_EQ(h.rows(), 0);
    EXPECT_EQ(h.form().statusText(),
              QStringLiteral(" 共 0 筆資料，借出未歸還金額: 0，借入未歸還金額: 0"));
    EXPECT_EQ(h.selectedRow(), -1);
}

TEST_F(RecordList, StatusTextFollowsDirectionAndStatusFilters)
{
    add(kLent, QStringLiteral("錢"), QStringLiteral("100"), kOut);
    add(kBorrowed, QStringLiteral("錢"), QStringLiteral("30"), kOut);
    add(kLent, QStringLiteral("書"), QStringLiteral("7"), kBack);
    MainForm& f = h.start();
    EXPECT_EQ(f.statusText(),
              QStringLiteral(" 共 3 筆資料，借出未歸還金額: 100，借入未歸還金額: 30"));

    struct Case
    {
        int direction, status;
        QString text;
    };
    const QList<Case> cases{
        {1, 0, QStringLiteral(" 共 2 筆資料，借出未歸還金額: 100")},
        {1, 1, QStringLiteral(" 共 1 筆資料，借出未歸還金額: 100")},
        {2, 0, QStringLiteral(" 共 1 筆資料，借入未歸還金額: 30")},
        {2, 1, QStringLiteral(" 共 1 筆資料，借入未歸還金額: 30")},
        {0, 2, QStringLiteral(" 共 1 筆資料")},
        {1, 2, QStringLiteral(" 共 1 筆資料")},
        {2, 2, QStringLiteral(" 共 0 筆資料")},
        {0, 1, QStringLiteral(" 共 2 筆資料，借出未歸還金額: 100，借入未歸還金額: 30")},
    };
    for (const Case& c : cases) {
        f.selectDirectionFilter(c.direction);
        f.selectStatusFilter(c.status);
        EXPECT_EQ(f.statusText(), c.text) << c.direction << "/" << c.status;
    }
}

TEST_F(RecordList, TotalsCoverOnlyTheShownRows)
{
    add(kLent, QStringLiteral("錢"), QStringLiteral("1,000"), kOut);
    add(kLent, QStringLiteral("書"), QStringLiteral("100元"), kOut);
    add(kLent, QStringLiteral("書"), QStringLiteral(" 1 5 "), kOut);
    add(kLent, QStringLiteral("書"), QStringLiteral("abc"), kOut);
    add(kLent, QStringLiteral("書"), QStringLiteral("-20.5"), kOut);
    add(kBorrowed, QStringLiteral("錢"), QStringLiteral("0.1"), kOut);
    add(kBorrowed, QStringLiteral("錢"), QStringLiteral("0.2"), kOut);
    MainForm& f = h.start();
    EXPECT_EQ(f.statusText(),
              QStringLiteral(" 共 7 筆資料，借出未歸還金額: 95.5，借入未歸還金額: 0.3"));
    f.setCategoryFilterText(QStringLiteral("錢"));
    EXPECT_EQ(f.statusText(),
              QStringLiteral(" 共 3 筆資料，借出未歸還金額: 1，借入未歸還金額: 0.3"));
}

TEST_F(RecordList, ReturnDateCountsAsReturnedWithoutColourOrTotal)
{
    add(kLent, QStringLiteral("書"), QStringLiteral("50"), QStringLiteral("2024/01/05"));
    add(kLent, QStringLiteral("書"), QStringLiteral("8"), kOut);
    MainForm& f = h.start();
    EXPECT_EQ(f.statusText(), QStringLiteral(" 共 2 筆資料，借出未歸還金額: 8，借入未歸還金額: 0"));
    EXPECT_FALSE(foreground(0, 7).isValid());
    EXPECT_EQ(foreground(1, 7).value<QColor>(), QColor(206, 0, 0));

    f.selectStatusFilter(2);
    ASSERT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 7), QStringLiteral("2024/01/05"));
    f.selectStatusFilter(1);
    ASSERT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 7), kOut);
}

TEST_F(RecordList, DirectionCellsAreRedOrBlue)
{
    add(kLent, QStringLiteral("書"), {}, kBack);
    add(kBorrowed, QStringLiteral("書"), {}, kBack);
    add(QStringLiteral("其他"), QStringLiteral("書"), {}, kBack);
    h.start();
    EXPECT_EQ(foreground(0, 1).value<QColor>(), QColor(206, 0, 0));
    EXPECT_EQ(foreground(1, 1).value<QColor>(), QColor(0, 0, 255));
    EXPECT_EQ(foreground(2, 1).value<QColor>(), QColor(0, 0, 255));
    EXPECT_FALSE(foreground(0, 0).isValid());
}

TEST_F(RecordList, CategoryAllShowsEveryCategoryAndExactMatchOnly)
{
    add(kLent, QStringLiteral("書"), {}, kOut);
    add(kLent, QStringLiteral("已刪除的分類"), {}, kOut);
    add(kLent, QStringLiteral("未分類"), {}, kOut);
    add(kLent, QStringLiteral("書 "), {}, kOut);
    MainForm& f = h.start();
    EXPECT_EQ(h.rows(), 4);
    f.setCategoryFilterText(QStringLiteral("書"));
    ASSERT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 8), QStringLiteral("1"));
    f.setCategoryFilterText(QStringLiteral("未分類"));
    ASSERT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 8), QStringLiteral("3"));
}

TEST_F(RecordList, RowsShowEveryFieldAndTheSlotInTheHiddenColumn)
{
    h.addRecord(QStringLiteral("2026/02/03"), kBorrowed, QStringLiteral("錢"), QStringLiteral("王"),
                QStringLiteral("現金"), QStringLiteral("1500"), QStringLiteral("2026/03/01"), kOut);
    MainForm& f = h.start();
    const QStringList expected{QStringLiteral("2026/02/03"), kBorrowed,
                               QStringLiteral("錢"),         QStringLiteral("王"),
                               QStringLiteral("現金"),       QStringLiteral("1500"),
                               QStringLiteral("2026/03/01"), kOut,
                               QStringLiteral("1")};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(h.cell(0, c), expected[c]);
    EXPECT_TRUE(f.ListView1()->isColumnHidden(8));
    EXPECT_EQ(f.listModel().headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("索引"));
}

TEST_F(RecordList, SelectAllTicksAndClearsEveryRow)
{
    MainForm& f = h.start();
    selectAll()->click();
    EXPECT_EQ(selectAll()->text(), QStringLiteral("全選")); // nothing to tick

    add(kLent, QStringLiteral("書"), {}, kOut);
    add(kLent, QStringLiteral("書"), {}, kOut);
    f.Combo1_Click();
    selectAll()->click();
    EXPECT_EQ(selectAll()->text(), QStringLiteral("取消"));
    EXPECT_TRUE(f.listModel().isChecked(0) && f.listModel().isChecked(1));

    // Unticking by hand leaves the caption alone.
    f.listModel().setData(f.listModel().index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(selectAll()->text(), QStringLiteral("取消"));

    selectAll()->click();
    EXPECT_EQ(selectAll()->text(), QStringLiteral("全選"));
    EXPECT_FALSE(f.listModel().isChecked(0) || f.listModel().isChecked(1));

    selectAll()->click();
    f.selectStatusFilter(0); // a rebuild clears every tick and the caption
    EXPECT_EQ(selectAll()->text(), QStringLiteral("全選"));
    EXPECT_FALSE(f.listModel().isChecked(0) || f.listModel().isChecked(1));
}

TEST_F(RecordList, LastRowIsSelectedAfterEveryFilterChange)
{
    for (int i = 0; i < 40; ++i)
        add(i % 2 ? kLent : kBorrowed, i % 3 ? QStringLiteral("書") : QStringLiteral("錢"), {},
            kOut);
    MainForm& f = h.start();
    f.ListView1()->resize(400, 200);
    EXPECT_EQ(h.selectedRow(), 39);
    f.selectDirectionFilter(1);
    EXPECT_EQ(h.selectedRow(), h.rows() - 1);
    f.setCategoryFilterText(QStringLiteral("錢"));
    EXPECT_EQ(h.selectedRow(), h.rows() - 1);
    f.selectStatusFilter(2);
    EXPECT_EQ(h.rows(), 0);
    EXPECT_EQ(h.selectedRow(), -1);
}

TEST_F(RecordList, TheSelectedLastRowStaysInViewAndTheHeadingsFollowTheFont)
{
    for (int i = 0; i < 40; ++i)
        add(kLent, QStringLiteral("書"), {}, kOut);
    h.settings().setValue(QStringLiteral("WinState"), QStringLiteral("0"));
    h.settings().setValue(QStringLiteral("Font"), QStringLiteral("12"));
    MainForm& f = h.start();
    f.resize(800, 700);
    f.show();
    const QTableView* list = f.ListView1();
    auto lastRowInView = [&] {
        const QRect row = list->visualRect(f.listModel().index(39, 0));
        return row.top() >= 0 && row.bottom() < list->viewport()->height();
    };
    ASSERT_TRUE(lastRowInView());
    f.resize(800, 700 - 37); // as when the frame is taken off the stored outer size
    EXPECT_TRUE(lastRowInView());
    f.findChild<QAction*>(QStringLiteral("View_Font16"))->trigger();
    EXPECT_TRUE(lastRowInView());
    // The column headings are painted in the list's font too.
    EXPECT_EQ(QFontInfo(list->horizontalHeader()->viewport()->font()).pointSize(), 16);
}

TEST_F(RecordList, ModelPassesTheItemModelTester)
{
    add(kLent, QStringLiteral("書"), QStringLiteral("1"), kOut);
    add(kBorrowed, QStringLiteral("錢"), {}, kBack);
    MainForm& f = h.start();
    QAbstractItemModelTester tester(&f.listModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    f.selectDirectionFilter(1);
    h.store().recordRegister.append(h.store().records[2]);
    f.listModel().setData(f.listModel().index(1, 0), Qt::Checked, Qt::CheckStateRole);
    f.selectDirectionFilter(0);
    EXPECT_EQ(f.listModel().rowCount(), 3);
}

TEST_F(RecordList, CellsAreDrawnInTheirColours)
{
    add(kLent, QStringLiteral("書"), {}, kOut);
    add(kBorrowed, QStringLiteral("書"), {}, kBack);
    MainForm& f = h.start();
    f.setWindowState(Qt::WindowNoState);
    f.resize(1000, 600);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.ListView1()->clearSelection();
    const QImage shot = f.ListView1()->viewport()->grab().toImage();
    auto hasInk = [&](int row, int column, const QColor& colour) {
        const QRect cell = f.ListView1()->visualRect(f.listModel().index(row, column));
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) < 40 &&
                    std::abs(c.green() - colour.green()) < 40 &&
                    std::abs(c.blue() - colour.blue()) < 40)
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(hasInk(0, 1, QColor(206, 0, 0)));
    EXPECT_FALSE(hasInk(0, 1, QColor(0, 0, 255)));
    EXPECT_TRUE(hasInk(1, 1, QColor(0, 0, 255)));
    EXPECT_TRUE(hasInk(0, 7, QColor(206, 0, 0)));
    EXPECT_FALSE(hasInk(1, 7, QColor(206, 0, 0)));
    EXPECT_FALSE(hasInk(1, 2, QColor(206, 0, 0)));
}

// A field of megabytes (a pasted document) must not freeze the window at every repaint.
TEST_F(RecordList, ACellShowsTheStartOfAHugeFieldOnOneLine)
{
    const QString huge = QStringLiteral("第一行\r\n") + QString(5'000'000, u'字');
    h.addRecord(QStringLiteral("2026/02/03"), kLent, QStringLiteral("書"), QStringLiteral("王"),
                huge, {}, {}, kOut);
    MainForm& f = h.start();
    const QString shown = f.listModel().data(f.listModel().index(0, 4), Qt::DisplayRole).toString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("第一行 字字"))) << shown.left(10).toStdString();
    EXPECT_LE(shown.size(), 1000);
    EXPECT_EQ(h.cell(0, 4), huge) << "the record keeps its whole text";
}
