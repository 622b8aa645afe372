#pragma once

#include "store/RecordTable.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a filter shows of the register.
struct ShownRecords
{
    QList<int> recordSlots; // in table order
    double lentOut = 0;     // the outstanding amounts among them, lent out
    double borrowedIn = 0;  // and borrowed in
    int overdue = 0;        // those still out past their due date
};

// What a record list shows of the register: the main list's three filters, as its controls hold
// them, and for the list of one party's records that party.
struct RecordFilter
{
    QString category = Texts::All; // "全部" passes every category
    int direction = 0;             // 0 "全部", 1 "借出", 2 "借入"
    int status = 0;                // 0 "全部", 1 "未歸還", 2 returned ("已歸還" or a date)
    // One party's records only: those whose Borrower, without blanks around it, is this.
    std::optional<QString> borrower = std::nullopt;
    QDate today = QDate::currentDate(); // due dates before it have passed

    // The records passing every filter, every test exact and case-sensitive, the Amount of
    // those still outstanding ("未歸還") summed by direction, and how many of them are overdue.
    ShownRecords apply(const RecordTable& table) const;
    // The status bar's text: " 共 N 筆資料", then the outstanding amounts this filter can show.
    QString summary(const ShownRecords& shown) const;
    // The status bar's second field: "逾期 N 筆", or "" when none is overdue.
    static QString overdueText(const ShownRecords& shown);

    // "全部", "借出" or "借入" for the direction filter's 0, 1 and 2.
    static QString directionText(int direction);

    enum class Box
    {
        Filter, // "全部" first, then every stored name
        Record, // the stored names but "全部", which is a filter, never a category
    };
    // A category box's entries: the stored categories in order, then "未分類".
    static QStringList categoryEntries(const QStringList& categories, Box box);
};
