#pragma once

#include "store/LoanRecord.h"

#include <functional>
#include <vector>

// The register: a fixed table of slots numbered from 1, filled without gaps up to RecordNext − 1.
class RecordTable
{
public:
    static constexpr int Capacity = 10000;

    RecordTable();

    // Slot i, 1 ≤ i ≤ Capacity; any other index throws std::out_of_range.
    LoanRecord& operator[](int i);
    const LoanRecord& operator[](int i) const;

    int RecordNext() const { return next_; }
    // 1 ≤ next ≤ Capacity + 1, else std::out_of_range.
    void setRecordNext(int next);
    int count() const { return next_ - 1; }
    bool isFull() const { return next_ > Capacity; }

    // Writes slot RecordNext and advances it; throws std::out_of_range when full.
    int append(const LoanRecord& record);
    // Drops every record for which drop() holds; the kept ones keep their order.
    void compact(const std::function<bool(const LoanRecord&)>& drop);

private:
    std::vector<LoanRecord> slots_;
    int next_ = 1;
};
