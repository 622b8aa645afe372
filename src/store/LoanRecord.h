#pragma once

#include <QString>

// One register entry: eight text fields, in the order of the record file, the list and the export.
struct LoanRecord
{
    static constexpr int FieldCount = 8;

    QString Date;
    QString Direction;
    QString Category;
    QString Borrower;
    QString Content;
    QString Amount;
    QString DueDate;
    QString Status;

    QString& field(int n);             // n = 0 … 7
    const QString& field(int n) const; // n = 0 … 7

    bool operator==(const LoanRecord&) const = default;
};

namespace Texts {
inline const QString LentOut = QStringLiteral("借出");
inline const QString BorrowedIn = QStringLiteral("借入");
inline const QString NotReturned = QStringLiteral("未歸還");
inline const QString Returned = QStringLiteral("已歸還");
inline const QString Uncategorised = QStringLiteral("未分類");
inline const QString All = QStringLiteral("全部");
} // namespace Texts
