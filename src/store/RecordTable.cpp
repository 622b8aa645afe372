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

void RecordTable::setRecordNext(int next)
{
    if (next < 1 || next > Capacity + 1)
        throw std::out_of_range("RecordNext " + std::to_string(next));
    next_ = next;
}

int RecordTable::append(const LoanRecord& record)
{
    const int slot = next_;
    (*this)[slot] = record;
    next_ = slot + 1;
    return slot;
}

void RecordTable::compact(const std::function<bool(const LoanRecord&)>& drop)
{
    int j = 1;
    for (int i = 1; i < next_; ++i) {
        if (drop((*this)[i]))
            continue;
        if (i != j)
            (*this)[j] = std::move((*this)[i]);
        ++j;
    }
    // Slots past the records are never read, but their text need not stay in memory.
    for (int i = j; i < next_; ++i)
        (*this)[i] = LoanRecord{};
    next_ = j;
}
