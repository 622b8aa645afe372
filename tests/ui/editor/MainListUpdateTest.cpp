#include "EditorDriver.h"

#include "support/MainFormHarness.h"
#include "ui/main/RecordListModel.h"

#include <QColor>

namespace {

// Records in two categories, 甲 and 乙, the list showing all of them.
class MainListUpdateTest : public ::testing::Test
{
protected:
    MainFormHarness h;

    MainForm& start()
    {
        h.writeListFile(DataStore::TypeFileName, {"甲", "乙"});
        h.addRecord("2026/01/01", "借出", "甲", "一", "", "100", "", "未歸還");
        h.addRecord("2026/01/02", "借入", "乙", "二", "", "", "", "已歸還");
        h.addRecord("2026/01/03", "借出", "甲", "三", "", "", "", "未歸還");
        return h.start();
    }

    QStringList borrowers() const
    {
        QStringList names;
        for (int row = 0; row < h.rows(); ++row)
            names.append(h.cell(row, 3));
        return names;
    }

    QColor colour(MainForm& f, int row, int column)
    {
        RecordListModel& model = f.listModel();
        return model.data(model.index(row, column), Qt::ForegroundRole).value<QColor>();
    }

    // Edits the record shown in the given row.
    void edit(MainForm& f, int row, const std::function<void(InputForm&)>& change)
    {
        f.selectRow(row);
        onNextEditor([&](InputForm& form) {
            change(form);
            form.Command1()->click();
        });
        RecordCommands::ListView1_DblClick(f);
    }
};

TEST_F(MainListUpdateTest, ANewRecordOfAnotherCategorySwitchesTheFilterToIt)
{
    MainForm& f = start();
    f.setCategoryFilterText("甲");
    ASSERT_TRUE(enterNew(f, [](InputForm& form) { form.setCategoryText("乙"); }));
    EXPECT_EQ(f.categoryFilterText(), QStringLiteral("乙"));
    EXPECT_EQ(borrowers(), QStringList({"二", "王小明"}));
    EXPECT_EQ(h.selectedRow(), 1);
    EXPECT_TRUE(f.statusText().startsWith(QStringLiteral(" 共 2 筆資料")));
}

TEST_F(MainListUpdateTest, AnEditedRecordIsSelectedInTheRebuiltList)
{
    MainForm& f = start();
    edit(f, 0, [](InputForm& form) { form.Text1()->setText("一改"); });
    EXPECT_EQ(h.store().records.count(), 3);
    EXPECT_EQ(borrowers(), QStringList({"一改", "二", "三"}));
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_EQ(f.categoryFilterText(), QStringLiteral("全部"));
}

TEST_F(MainListUpdateTest, AnEditMovingTheRecordToAnotherCategoryFollowsIt)
{
    MainForm& f = start();
    f.setCategoryFilterText("甲");
    ASSERT_EQ(borrowers(), QStringList({"一", "三"}));
    edit(f, 0, [](InputForm& form) { form.setCategoryText("乙"); });
    EXPECT_EQ(f.categoryFilterText(), QStringLiteral("乙"));
    EXPECT_EQ(borrowers(), QStringList({"一", "二"}));
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_EQ(h.store().records[1].Category, QStringLiteral("乙"));
}

TEST_F(MainListUpdateTest, ANewRecordUnderAllIsAppendedAsItIs)
{
    MainForm& f = start();
    f.selectDirectionFilter(2); // 借入 only
    ASSERT_EQ(borrowers(), QStringList({"二"}));
    const QString status = f.statusText();
    const int selected = h.selectedRow();

    ASSERT_TRUE(enterNew(f, [](InputForm& form) {
        form.setCategoryText("甲");
        form.Text5()->setText("50");
    }));
    ASSERT_EQ(borrowers(), QStringList({"二", "王小明"}));
    EXPECT_EQ(h.cell(1, RecordListModel::IndexColumn), QStringLiteral("4"));
    EXPECT_EQ(colour(f, 1, 1), QColor(206, 0, 0));
    EXPECT_EQ(colour(f, 1, 7), QColor(206, 0, 0));
    EXPECT_EQ(h.selectedRow(), selected);
    EXPECT_EQ(f.statusText(), status);
}

} // namespace
