#include "store/RecordTable.h"

#include <stdexcept>
#include <string>

RecordTable::RecordTable() : slots_(Capacity) {}

LoanRecord& RecordTable::operator[](int i)
{
    if (i < 1 || i > Capacity)
        throw std::out_of_range("record index " + std::to_string(i));
    return slots_[static_cast<size_t>(i - 1)];
}

const LoanRecord& RecordTable::operator[](int i) const
{
    return const_cast<RecordTable&>(*this)[i];
}

void RecordTable::setCount(int count)
{
    if (count < 0 || count > Capacity)
        throw std::out_of_range("record count " + std::to_string(count));
    count_ = count;
}

int RecordTable::append(const LoanRecord& record)
{
    const int slot = count_ + 1;
    (*this)[slot] = record;
    count_ = slot;
    return slot;
}

void RecordTable::compact(const std::function<bool(const LoanRecord&)>& drop)
{
    int kept = 0;
    for (int slot : filledSlots()) {
        if (drop((*this)[slot]))
            continue;
        ++kept;
        if (slot != kept)
            (*this)[kept] = std::move((*this)[slot]);
    }
    // Slots past the records are never read, but their text need not stay in memory.
    for (int slot = kept + 1; slot <= count_; ++slot)
        (*this)[slot] = LoanRecord{};
    count_ = kept;
}
