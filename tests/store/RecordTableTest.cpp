#include "store/RecordTable.h"
#include "store/Samples.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(RecordTableTest, SlotsRunFromOneToCapacity)
{
    RecordTable table;
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[RecordTable::Capacity + 1], std::out_of_range);
    EXPECT_NO_THROW(table[RecordTable::Capacity]);
    EXPECT_THROW(table.setCount(-1), std::out_of_range);
    EXPECT_THROW(table.setCount(RecordTable::Capacity + 1), std::out_of_range);

    table.setCount(RecordTable::Capacity - 1);
    EXPECT_EQ(table.append(sample(1)), RecordTable::Capacity);
    EXPECT_TRUE(table.isFull());
    EXPECT_THROW(table.append(sample(2)), std::out_of_range);
    EXPECT_EQ(table.count(), RecordTable::Capacity);
}

TEST(RecordTableTest, CompactKeepsOrder)
{
    RecordTable table;
    for (int i = 1; i <= 6; ++i)
        table.append(sample(i));
    table.compact([](const LoanRecord& r) { return r.Amount.toInt() % 2 == 0; });
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table[1], sample(1));
    EXPECT_EQ(table[2], sample(3));
    EXPECT_EQ(table[3], sample(5));
    EXPECT_EQ(table[4], LoanRecord{});
}

} // namespace
