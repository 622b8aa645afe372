#include "store/RecordRegister.h"
#include "store/Samples.h"

#include <gtest/gtest.h>

namespace {

// What the register announced, in order.
class Heard : public QStringList
{
public:
    explicit Heard(RecordRegister& records)
    {
        QObject::connect(&records, &RecordRegister::recordAppended,
                         [this](int slot) { append(QStringLiteral("appended %1").arg(slot)); });
        QObject::connect(&records, &RecordRegister::recordChanged,
                         [this](int slot) { append(QStringLiteral("changed %1").arg(slot)); });
        QObject::connect(&records, &RecordRegister::recordsRemoved,
                         [this] { append(QStringLiteral("removed")); });
        QObject::connect(&records, &RecordRegister::recordsReloaded,
                         [this] { append(QStringLiteral("reloaded")); });
    }
};

QStringList borrowers(const RecordTable& table)
{
    QStringList names;
    for (int i : table.filledSlots())
        names.append(table[i].Borrower);
    return names;
}

LoanRecord named(const QString& borrower, const QString& category, const QString& status)
{
    return {"2026/01/01", "借出", category, borrower, "", "", "", status};
}

TEST(RecordRegister, EveryChangeIsAnnouncedAndRemovalKeepsTheOrder)
{
    RecordRegister records;
    Heard heard(records);
    records.append(named("一", "Book", "已歸還"));
    records.append(named("二", "book", "2024/01/05"));
    records.append(named("三", "Book", "未歸還"));
    records.append(named("四", "Pen", "未歸還"));
    LoanRecord handMade = named("五", "Pen", "未歸還");
    handMade.Date = "DeleteData"; // only a hand-made file holds the mark
    records.append(handMade);
    records.append(named("六", "Pen", "已歸還"));
    EXPECT_EQ(heard, QStringList({"appended 1", "appended 2", "appended 3", "appended 4",
                                  "appended 5", "appended 6"}));
    heard.clear();

    records.replace(4, named("四改", "Pen", "未歸還"));
    records.renameCategory("Book", "Books");
    EXPECT_EQ(heard, QStringList({"changed 4", "changed 1", "changed 3"}));
    EXPECT_EQ(records.table()[2].Category, "book");
    heard.clear();

    records.remove({3});
    EXPECT_EQ(borrowers(records.table()), QStringList({"一", "二", "四改", "六"}));
    records.removeReturned();
    EXPECT_EQ(borrowers(records.table()), QStringList({"二", "四改"}));
    EXPECT_EQ(heard, QStringList({"removed", "removed"}));
    heard.clear();

    records.load([](RecordTable& table) { table.setCount(0); });
    EXPECT_EQ(records.table().count(), 0);
    EXPECT_EQ(heard, QStringList{"reloaded"});
}

} // namespace
