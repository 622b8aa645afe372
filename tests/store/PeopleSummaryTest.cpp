#include "store/PeopleSummary.h"
#include "store/Amount.h"
#include "store/RecordFilter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row
{
    QString name;
    int thingsOut;
    QString lentOut, borrowedIn;
    int overdue;
    QString oldestOpen;

    bool operator==(const Row&) const = default;
};

Row rowOf(const PersonBalance& b)
{
    return {b.name,
            b.thingsOut,
            Amount::toText(b.lentOut),
            Amount::toText(b.borrowedIn),
            b.overdue,
            b.oldestOpen.toString(u"yyyy/MM/dd")};
}

void PrintTo(const Row& r, std::ostream* out)
{
    *out << '"' << r.name.toStdString() << "\" " << r.thingsOut << ' ' << r.lentOut.toStdString()
         << ' ' << r.borrowedIn.toStdString() << ' ' << r.overdue << ' '
         << r.oldestOpen.toStdString();
}

TEST(PeopleSummary, OneRowPerPartyWithSomethingStillOutMostLentFirst)
{
    const QDate today(2026, 3, 1);
    const LoanRecord records[] = {
        {"2026/01/10", "借出", "錢", "王小明", "現金", "100", "2026/02/01", "未歸還"},
        {"2025/12/01", "借出", "書", "王小明  ", "書", "50元", "", "未歸還"},
        {"2026/02/01", "借入", "錢", " 王小明", "現金", "30", "2026/03/01", "未歸還"},
        {"2025/01/01", "借出", "錢", "王小明", "現金", "999", "2025/02/01", "已歸還"},
        {"2025/06/01", "借出", "書", "李四", "傘", "abc", "下個月", "未歸還"},
        {"2026/02/15", "借入", "錢", "李四", "現金", "200", "2026/02/28", "未歸還"},
        {"2024/01/01", "借出", "錢", "張三", "現金", "500", "", "2024/05/01"},
        {"2026/01/20", "借出", "錢", "", "現金", "70", "2026/02/30", "未歸還"},
        {"不是日期", "借出", "書", "陳", "書", "", "2026/01/01", "未歸還"},
        {"2026/01/05", "借出", "錢", "王小明", "現金", "0.1", "", "未歸還"},
    };
    RecordTable table;
    for (const LoanRecord& r : records)
        table.append(r);

    const PeopleSummary summary = PeopleSummary::of(table, today);
    std::vector<Row> people;
    for (const PersonBalance& b : summary.people)
        people.push_back(rowOf(b));
    const std::vector<Row> expected{
        {"王小明", 3, "150.1", "30", 1, "2025/12/01"},
        {"", 1, "70", "0", 0, "2026/01/20"},
        {"李四", 1, "0", "200", 1, "2025/06/01"},
        {"陳", 1, "0", "0", 1, ""},
    };
    EXPECT_EQ(people, expected);
    EXPECT_EQ(rowOf(summary.totals), (Row{"", 6, "220.1", "230", 3, "2025/06/01"}));
    // The same sums, to the last bit, as the status bar's with every filter on "全部".
    const ShownRecords everything = RecordFilter{}.apply(table);
    EXPECT_EQ(summary.totals.lentOut, everything.lentOut);
    EXPECT_EQ(summary.totals.borrowedIn, everything.borrowedIn);
    // A party's records, returned or not, as the list of them shows them.
    RecordFilter party;
    party.borrower = "王小明";
    EXPECT_EQ(party.apply(table).recordSlots, QList<int>({1, 2, 3, 4, 10}));
}

} // namespace
