#pragma once

#include "store/LoanRecord.h"

#include <functional>
#include <vector>

// The register: a fixed table of slots numbered from 1, its records in slots 1 … count() without
// gaps.
class RecordTable
{
public:
    static constexpr int Capacity = 10000;

    // The slot numbers of the records, first to last: the one way to walk the register,
    // `for (int slot : table.filledSlots())`.
    class SlotNumbers
    {
    public:
        class Iterator
        {
        public:
            explicit Iterator(int slot) : slot_(slot) {}
            int operator*() const { return slot_; }
            Iterator& operator++()
            {
                ++slot_;
                return *this;
            }
            bool operator==(const Iterator&) const = default;

        private:
            int slot_;
        };

        explicit SlotNumbers(int count) : count_(count) {}
        Iterator begin() const { return Iterator(1); }
        Iterator end() const { return Iterator(count_ + 1); }

    private:
        int count_;
    };

    RecordTable();

    // Slot i, 1 ≤ i ≤ Capacity; any other index throws std::out_of_range.
    LoanRecord& operator[](int i);
    const LoanRecord& operator[](int i) const;

    int count() const { return count_; }
    // Takes slots 1 … count as the records, 0 ≤ count ≤ Capacity, else std::out_of_range.
    void setCount(int count);
    bool isFull() const { return count_ >= Capacity; }
    SlotNumbers filledSlots() const { return SlotNumbers(count_); }

    // Writes the slot after the last record and returns it; throws std::out_of_range when full.
    int append(const LoanRecord& record);
    // Drops every record for which drop() holds; the kept ones keep their order.
    void compact(const std::function<bool(const LoanRecord&)>& drop);

private:
    std::vector<LoanRecord> slots_;
    int count_ = 0;
};
