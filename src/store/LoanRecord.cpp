#include "store/LoanRecord.h"

#include <stdexcept>

namespace {
template <typename Record> auto& fieldOf(Record& r, int n)
{
    switch (n) {
    case 0:
        return r.Date;
    case 1:
        return r.Direction;
    case 2:
        return r.Category;
    case 3:
        return r.Borrower;
    case 4:
        return r.Content;
    case 5:
        return r.Amount;
    case 6:
        return r.DueDate;
    case 7:
        return r.Status;
    }
    throw std::out_of_range("LoanRecord field index");
}
} // namespace

QString& LoanRecord::field(int n)
{
    return fieldOf(*this, n);
}

const QString& LoanRecord::field(int n) const
{
    return fieldOf(*this, n);
}
