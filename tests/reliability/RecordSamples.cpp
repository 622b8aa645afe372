#include "RecordSamples.h"

#include "store/RecordFile.h"

LoanRecord sampleRecord(int n)
{
    const bool lent = n % 2 == 0;
    return {QStringLiteral("2025/%1/%2")
                .arg(n % 12 + 1, 2, 10, QLatin1Char('0'))
                .arg(n % 28 + 1, 2, 10, QLatin1Char('0')),
            lent ? Texts::LentOut : Texts::BorrowedIn,
            n % 3 == 0 ? Texts::Uncategorised : QStringLiteral("書籍"),
            QStringLiteral("借用人%1號").arg(n),
            QStringLiteral("第%1本小說，上下兩冊").arg(n),
            n % 4 == 0 ? QString() : QString::number(n * 10),
            n % 5 == 0 ? QStringLiteral("2026/01/15") : QString(),
            n % 3 == 1 ? Texts::Returned : Texts::NotReturned};
}

QList<LoanRecord> sampleRecords(int count)
{
    QList<LoanRecord> records;
    for (int n = 1; n <= count; ++n)
        records.append(sampleRecord(n));
    return records;
}

QByteArray recordFileOf(const QList<LoanRecord>& records)
{
    RecordTable table;
    for (const LoanRecord& r : records)
        table.append(r);
    return RecordFile::serialize(table);
}
