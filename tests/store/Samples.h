#pragma once

#include "store/LoanRecord.h"
#include "system/Cp950.h"

#include <QByteArray>
#include <QStringList>

// Record n of a test register, distinct for every n.
inline LoanRecord sample(int n)
{
    const QString s = QString::number(n);
    return {"2026/01/05", "借出", "類" + s, "許功蓋", "內容" + s, s, "", "未歸還"};
}

// The record as the program writes it in the record file.
inline QByteArray line(const LoanRecord& r)
{
    QStringList quoted;
    for (int f = 0; f < LoanRecord::FieldCount; ++f)
        quoted.append('"' + r.field(f) + '"');
    return Cp950::encode(quoted.join(',') + "\r\n");
}
