#include "store/RecordFilter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Compared as a vector: Qt compares two empty lists with memcmp on a null pointer.
std::vector<int> slotsOf(const RecordTable& table, const RecordFilter& filter)
{
    const QList<int> shown = filter.apply(table).recordSlots;
    return {shown.begin(), shown.end()};
}

LoanRecord loan(const QString& direction, const QString& category, const QString& amount,
                const QString& status)
{
    return {"2026/01/01", direction, category, "王", "物", amount, "", status};
}

TEST(RecordFilter, EachCombinationShowsItsRecordsInTableOrderAndSumsWhatIsOutstanding)
{
    RecordTable table;
    table.append(loan("借出", "錢", "100", "未歸還"));
    table.append(loan("借入", "錢", "30", "未歸還"));
    table.append(loan("借出", "書", "7", "已歸還"));
    table.append(loan("借出", "書", "50", "2024/01/05")); // a return date counts as returned
    table.append(loan("其他", "書", "5", "未歸還"));      // in neither total
    const struct
    {
        QString category;
        int direction, status;
        std::vector<int> recordSlots;
        QString summary;
    } cases[] = {
        {"全部", 0, 0, {1, 2, 3, 4, 5}, " 共 5 筆資料，借出未歸還金額: 100，借入未歸還金額: 30"},
        {"全部", 1, 0, {1, 3, 4}, " 共 3 筆資料，借出未歸還金額: 100"},
        {"全部", 1, 1, {1}, " 共 1 筆資料，借出未歸還金額: 100"},
        {"全部", 2, 0, {2}, " 共 1 筆資料，借入未歸還金額: 30"},
        {"全部", 2, 1, {2}, " 共 1 筆資料，借入未歸還金額: 30"},
        {"全部", 0, 1, {1, 2, 5}, " 共 3 筆資料，借出未歸還金額: 100，借入未歸還金額: 30"},
        {"全部", 0, 2, {3, 4}, " 共 2 筆資料"},
        {"全部", 1, 2, {3, 4}, " 共 2 筆資料"},
        {"全部", 2, 2, {}, " 共 0 筆資料"},
        {"書", 0, 0, {3, 4, 5}, " 共 3 筆資料，借出未歸還金額: 0，借入未歸還金額: 0"},
        {"錢", 1, 1, {1}, " 共 1 筆資料，借出未歸還金額: 100"},
    };
    for (const auto& c : cases) {
        const RecordFilter filter{c.category, c.direction, c.status};
        SCOPED_TRACE(
            (c.category + QStringLiteral(" %1 %2").arg(c.direction).arg(c.status)).toStdString());
        EXPECT_EQ(slotsOf(table, filter), c.recordSlots);
        EXPECT_EQ(filter.summary(filter.apply(table)), c.summary);
    }
}

TEST(RecordFilter, CategoriesMatchExactlyAndAmountsReadAsNumbers)
{
    RecordTable table;
    for (const char* amount : {"1,000", "100元", " 1 5 ", "abc", "-20.5", ""})
        table.append(loan("借出", "書", amount, "未歸還"));
    table.append(loan("借入", "書 ", "0.1", "未歸還"));
    table.append(loan("借入", "未分類", "0.2", "未歸還"));
    RecordFilter filter;
    EXPECT_EQ(filter.summary(filter.apply(table)),
              " 共 8 筆資料，借出未歸還金額: 95.5，借入未歸還金額: 0.3");
    filter.category = "書";
    EXPECT_EQ(slotsOf(table, filter), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    filter.category = "未分類";
    EXPECT_EQ(slotsOf(table, filter), std::vector<int>{8});
}

TEST(RecordFilter, CategoryBoxesListTheStoredCategoriesThenUncategorised)
{
    const QStringList stored{"甲", "全部", "乙"};
    EXPECT_EQ(RecordFilter::categoryEntries(stored, RecordFilter::Box::Filter),
              QStringList({"全部", "甲", "全部", "乙", "未分類"}));
    EXPECT_EQ(RecordFilter::categoryEntries(stored, RecordFilter::Box::Record),
              QStringList({"甲", "乙", "未分類"}));
}

} // namespace
