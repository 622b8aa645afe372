#include "support/RepaintWatch.h"
#include "support/WindowHarness.h"
#include "ui/records/RecordCellDelegate.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class RecordList : public ::testing::Test
{
protected:
    void SetUp() override { h.writeListFile(DataFiles::Categories, {"書", "錢"}); }

    void add(const QString& direction, const QString& category, const QString& amount,
             const QString& status)
    {
        ++n;
        h.addRecord(QStringLiteral("2026/01/%1").arg(n, 2, 10, QLatin1Char('0')), direction,
                    category, QStringLiteral("人%1").arg(n), "物", amount, {}, status);
    }

    QString selectAllCaption() const
    {
        return h.window().findChild<QPushButton*>(MainWindowControls::selectAllButton)->text();
    }

    QColor foreground(int row, int column) const
    {
        return h.list()->model()->index(row, column).data(Qt::ForegroundRole).value<QColor>();
    }

    WindowHarness h;
    int n = 0;
};

TEST_F(RecordList, FiltersChosenByClicksRebuildTheListFromItsLastRow)
{
    for (int i = 0; i < 40; ++i)
        add(i % 2 ? "借出" : "借入", i % 3 ? "書" : "錢", "10", i % 5 ? "未歸還" : "已歸還");
    h.start();
    EXPECT_EQ(h.rows(), 40);
    EXPECT_EQ(h.selectedRow(), 39);
    EXPECT_EQ(h.statusText(), " 共 40 筆資料，借出未歸還金額: 160，借入未歸還金額: 160");

    h.click(MainWindowControls::directionLentOut);
    EXPECT_EQ(h.rows(), 20);
    EXPECT_EQ(h.cell(0, 1), "借出");
    EXPECT_EQ(h.selectedRow(), 19);
    EXPECT_EQ(h.statusText(), " 共 20 筆資料，借出未歸還金額: 160");
    h.chooseCategory("錢");
    EXPECT_EQ(h.rows(), 7);
    EXPECT_EQ(h.selectedRow(), 6);
    h.click(MainWindowControls::statusReturned);
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(h.statusText(), " 共 1 筆資料");
    h.click(MainWindowControls::directionBorrowedIn);
    h.chooseCategory("書");
    h.click(MainWindowControls::statusNotReturned);
    EXPECT_EQ(h.rows(), 11); // 借入, 書, 未歸還
    h.list()->clearSelection();
    h.click(MainWindowControls::statusNotReturned);
    EXPECT_EQ(h.selectedRow(), 10) << "the button already chosen rebuilds too";
    h.chooseCategory("未分類");
    EXPECT_EQ(h.rows(), 0);
    EXPECT_EQ(h.selectedRow(), -1);
}

TEST_F(RecordList, RowsShowEveryFieldInItsColourAndTheSlotInTheHiddenColumn)
{
    h.addRecord("2026/02/03", "借入", "錢", "王", "現金", "1500", "2026/03/01", "未歸還");
    add("借出", "書", {}, "2024/01/05");
    add("其他", "書", {}, "已歸還");
    auto& w = h.start();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1000, 600);
    const QStringList expected{"2026/02/03", "借入",       "錢",     "王", "現金",
                               "1500",       "2026/03/01", "未歸還", "1"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(h.cell(0, c), expected[c]);
    EXPECT_EQ(h.list()->model()->headerData(8, Qt::Horizontal).toString(), "索引");
    EXPECT_TRUE(h.list()->isColumnHidden(8));

    const QColor red(206, 0, 0), blue(0, 0, 255);
    EXPECT_EQ(foreground(0, 1), blue);
    EXPECT_EQ(foreground(0, 7), red);
    EXPECT_EQ(foreground(1, 1), red);
    EXPECT_FALSE(foreground(1, 7).isValid()) << "a return date counts as returned";
    EXPECT_EQ(foreground(2, 1), blue);
    EXPECT_FALSE(foreground(0, 2).isValid());

    // The cells are drawn in those colours.
    h.list()->clearSelection();
    const QImage shot = h.list()->viewport()->grab().toImage();
    auto hasInk = [&](int row, int column, const QColor& colour) {
        const QRect cell = h.list()->visualRect(h.list()->model()->index(row, column));
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
    EXPECT_TRUE(hasInk(1, 1, red));
    EXPECT_FALSE(hasInk(1, 1, blue));
    EXPECT_TRUE(hasInk(0, 1, blue));
    EXPECT_TRUE(hasInk(0, 7, red));
    EXPECT_FALSE(hasInk(2, 7, red));
    EXPECT_FALSE(hasInk(0, 2, red));
}

TEST_F(RecordList, SelectAllTicksAndClearsEveryRow)
{
    h.start();
    h.click(MainWindowControls::selectAllButton);
    EXPECT_EQ(selectAllCaption(), "全選") << "nothing to tick";

    add("借出", "書", {}, "未歸還");
    add("借出", "書", {}, "未歸還");
    const auto ticksRepainted = [&](const std::function<void()>& input) {
        const RepaintWatch watch(h.list()->model());
        input();
        return watch.covers(0, 0, Qt::CheckStateRole) && watch.covers(1, 0, Qt::CheckStateRole);
    };
    EXPECT_TRUE(ticksRepainted([&] { h.click(MainWindowControls::selectAllButton); }));
    EXPECT_EQ(selectAllCaption(), "取消");
    EXPECT_TRUE(h.isTicked(0) && h.isTicked(1));
    // Unticking by hand leaves the caption alone.
    h.tickRow(0);
    EXPECT_FALSE(h.isTicked(0));
    EXPECT_EQ(selectAllCaption(), "取消");
    EXPECT_TRUE(ticksRepainted([&] { h.click(MainWindowControls::selectAllButton); }));
    EXPECT_EQ(selectAllCaption(), "全選");
    EXPECT_FALSE(h.isTicked(0) || h.isTicked(1));

    h.click(MainWindowControls::selectAllButton);
    h.click(MainWindowControls::statusAll); // a rebuild clears every tick and the caption
    EXPECT_EQ(selectAllCaption(), "全選");
    EXPECT_FALSE(h.isTicked(0) || h.isTicked(1));
}

// Tab and Shift+Tab go from control to control, out of the list too; each option group is one
// stop, at its chosen button. In the list the arrow keys move between rows and Space ticks.
TEST_F(RecordList, TheKeyboardReachesEveryControlAndWorksTheRows)
{
    for (int i = 0; i < 3; ++i)
        add("借出", "書", {}, "未歸還");
    auto& w = h.start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        return QApplication::focusWidget()->objectName();
    };
    h.list()->setFocus();
    QStringList stops;
    for (int i = 0; i < 5; ++i)
        stops.append(press(Qt::Key_Tab));
    EXPECT_EQ(stops,
              QStringList({MainWindowControls::selectAllButton, MainWindowControls::directionAll,
                           MainWindowControls::statusAll, MainWindowControls::categoryFilter,
                           MainWindowControls::recordList}));
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), MainWindowControls::categoryFilter);
    h.list()->setFocus();

    press(Qt::Key_Up);
    EXPECT_EQ(h.selectedRow(), 1);
    press(Qt::Key_Space);
    press(Qt::Key_Right); // the current cell leaves the check box's column
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    EXPECT_TRUE(h.isTicked(0) && h.isTicked(1) && !h.isTicked(2));
    press(Qt::Key_Space);
    EXPECT_FALSE(h.isTicked(0));
    EXPECT_EQ(h.selectedRow(), 0);

    // In an option group the arrow keys choose, as a click does.
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), MainWindowControls::categoryFilter);
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), MainWindowControls::statusAll);
    press(Qt::Key_Right);
    EXPECT_EQ(press(Qt::Key_Right), MainWindowControls::statusReturned);
    EXPECT_EQ(h.checkedOption(MainWindowControls::statusFilter), 2);
    EXPECT_EQ(h.rows(), 0);
}

TEST_F(RecordList, TheSelectedLastRowStaysInViewAndTheHeadingsFollowTheFont)
{
    for (int i = 0; i < 40; ++i)
        add("借出", "書", {}, "未歸還");
    h.settings().setValue("WinState", "0");
    h.settings().setValue("Font", "12");
    auto& w = h.start();
    w.resize(800, 700);
    const QTableView* list = h.list();
    auto lastRowInView = [&] {
        const QRect row = list->visualRect(list->model()->index(39, 0));
        return row.top() >= 0 && row.bottom() < list->viewport()->height();
    };
    ASSERT_TRUE(lastRowInView());
    w.resize(800, 700 - 37); // as when the frame is taken off the stored outer size
    EXPECT_TRUE(lastRowInView());
    h.trigger(MainMenuItems::fontSize(16));
    EXPECT_TRUE(lastRowInView());
    EXPECT_EQ(QFontInfo(list->horizontalHeader()->viewport()->font()).pointSize(), 16);
}

// New records join the list as it stands, changed ones show at once, removals and reloads
// rebuild it.
TEST_F(RecordList, TheListFollowsTheRegisterAndPassesTheItemModelTester)
{
    add("借出", "書", "1", "未歸還");
    add("借入", "錢", {}, "已歸還");
    h.start();
    QAbstractItemModelTester tester(h.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    h.click(MainWindowControls::directionLentOut);
    ASSERT_EQ(h.rows(), 1);
    const QString status = h.statusText();
    add("借入", "錢", {}, "已歸還");
    EXPECT_EQ(h.rows(), 2);
    EXPECT_EQ(h.cell(1, 8), "3");
    EXPECT_EQ(h.statusText(), status);
    EXPECT_EQ(h.selectedRow(), 0);

    h.tickRow(1);
    h.store().recordRegister().renameCategory("錢", "現金");
    EXPECT_EQ(h.cell(1, 2), "現金");
    EXPECT_TRUE(h.isTicked(1));

    h.store().recordRegister().remove({1});
    EXPECT_EQ(h.rows(), 0);
    h.click(MainWindowControls::directionAll);
    EXPECT_EQ(h.rows(), 2);

    // Read anew, the register is shown under the filters as they stand.
    h.click(MainWindowControls::directionBorrowedIn);
    h.writeRecordFile({{"2026/03/01", "借入", "錢", "甲", "", "5", {}, "未歸還"},
                       {"2026/03/02", "借出", "錢", "乙", "", "7", {}, "未歸還"},
                       {"2026/03/03", "借入", "書", "丙", "", "9", {}, "未歸還"}});
    h.store().loadRecords();
    ASSERT_EQ(h.rows(), 2);
    EXPECT_EQ(h.cell(1, 3), "丙");
    EXPECT_EQ(h.selectedRow(), 1);
    EXPECT_EQ(h.statusText(), " 共 2 筆資料，借入未歸還金額: 14");
}

// A field of megabytes (a pasted document) must not freeze the window at every repaint.
TEST_F(RecordList, ACellShowsTheStartOfAHugeFieldOnOneLine)
{
    const QString huge = "第一行\r\n" + QString(5'000'000, u'字');
    h.addRecord("2026/02/03", "借出", "書", "王", huge, {}, {}, "未歸還");
    h.start();
    const QString shown = h.cell(0, 4);
    EXPECT_TRUE(shown.startsWith("第一行 字字")) << shown.left(10).toStdString();
    EXPECT_LE(shown.size(), 1000);
    EXPECT_EQ(h.store().records()[1].Content, huge) << "the record keeps its whole text";
}

// A loan still out past its due date stands out, and the status bar counts it; nothing else does,
// and its text keeps its colour.
TEST_F(RecordList, OnlyALoanStillOutPastItsDueDateIsMarkedOverdue)
{
    const QDate today = QDate::currentDate();
    auto day = [](const QDate& d) { return d.toString("yyyy/MM/dd"); };
    const struct
    {
        QString due, status;
        bool overdue;
    } cases[] = {
        {day(today.addDays(-1)), "未歸還", true},
        {day(today), "未歸還", false},
        {day(today.addDays(1)), "未歸還", false},
        {{}, "未歸還", false},
        {"下個月", "未歸還", false},
        {"2026/02/30", "未歸還", false},
        {day(today.addDays(-1)), "已歸還", false},
        {day(today.addDays(-9)), day(today), false},
    };
    for (const auto& c : cases)
        h.addRecord("2020/01/01", "借出", "書", "王", "傘", {}, c.due, c.status);
    h.start();
    for (int row = 0; row < h.rows(); ++row) {
        const QModelIndex due = h.list()->model()->index(row, 6);
        EXPECT_EQ(due.data(Qt::BackgroundRole).isValid(), cases[row].overdue)
            << cases[row].due.toStdString() << " " << cases[row].status.toStdString();
        EXPECT_FALSE(due.data(Qt::ForegroundRole).isValid());
    }
    // The status bar counts the marked cells among the rows shown.
    const auto* count = h.window().findChild<QLabel*>(MainWindowControls::overdueCount);
    EXPECT_EQ(count->text(), "逾期 1 筆");
    h.click("Option2_2");
    EXPECT_EQ(count->text(), "");
}

// What a cell cannot show whole, hovering over it shows: its start, some hundreds of characters,
// wrapped within the screen's width even where the text offers no place to break a line.
TEST_F(RecordList, HoveringOverACellThatDoesNotFitShowsTheStartOfItsText)
{
    const QString contents[] = {
        "第一行\r\n" + QString(300, u'長'),
        QString(3000, u'x'),
        "https://example.com/<" + QString(600, u'a') + "?q=" + QString(600, u'0') + "&r=1",
    };
    for (const QString& content : contents)
        h.addRecord("2026/02/03", "借出", "書", "王", content, {}, {}, "未歸還");
    auto& w = h.start();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1000, 600);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto hover = [&](int row, int column) {
        const QRect cell = h.list()->visualRect(h.list()->model()->index(row, column));
        QHelpEvent tip(QEvent::ToolTip, cell.center(),
                       h.list()->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(h.list()->viewport(), &tip);
        return QToolTip::isVisible() ? QToolTip::text().remove(QChar(0x200B)) : QString();
    };
    EXPECT_TRUE(hover(0, 0).isEmpty()) << "the date fits";
    const QString tip = hover(0, 4);
    EXPECT_TRUE(tip.contains("第一行<br>" + QString(300, u'長'))) << tip.left(40).toStdString();
    const int screenWidth = w.screen()->geometry().width();
    for (int row = 1; row < 3; ++row) {
        const QString shown = hover(row, 4);
        EXPECT_TRUE(shown.contains(contents[row].left(400).toHtmlEscaped())) << row;
        EXPECT_LT(shown.size(), 1000) << row;
        for (const QWidget* label : QApplication::topLevelWidgets()) {
            if (label->inherits("QTipLabel") && label->isVisible()) {
                EXPECT_LE(label->width(),
                          std::min(screenWidth, 100 * label->fontMetrics().averageCharWidth()))
                    << row;
            }
        }
    }
}

// A cell measures only what it can show of its text, and shows what measuring it all would show.
TEST(RecordCellDelegate, ElidesALongTextAsMeasuringItAllWould)
{
    const QFontMetrics metrics(QApplication::font());
    const QString texts[] = {
        "",
        "借書",
        QString(1000, u'i'),
        QString(1000, u'W'),
        QString(2000, u'借'),
        QString(300, QChar(0x200B)) + "abc" + QString(700, u'i'),
        "iiii" + QString(500, u'長') + QString(500, u'.'),
    };
    for (const QString& text : texts) {
        for (int width : {0, 1, 30, 150, 400, 3000}) {
            EXPECT_EQ(RecordCellDelegate::elided(metrics, text, width),
                      metrics.elidedText(text, Qt::ElideRight, width))
                << text.left(8).toStdString() << " " << width;
        }
    }
}

} // namespace
