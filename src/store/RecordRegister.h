#pragma once

#include "store/RecordTable.h"

#include <QList>
#include <QObject>

#include <functional>

// Holds the register's table and makes every change to it: each operation signals what it
// changed, so that whatever shows the records can follow.
class RecordRegister : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const RecordTable& table() const { return table_; }

    // Writes the next free slot and returns it; throws std::out_of_range when the table is full.
    int append(const LoanRecord& record);
    void replace(int slot, const LoanRecord& record);
    // Drops the records in the slots given; the others keep their order.
    void remove(const QList<int>& which);
    // Drops every record whose Status is exactly "已歸還"; one holding a return date stays.
    void removeReturned();
    // Gives every record whose category is exactly `from` (case-sensitive) the category `to`.
    void renameCategory(const QString& from, const QString& to);
    // Lets a file reader fill the whole table.
    void load(const std::function<void(RecordTable&)>& read);

signals:
    void recordAppended(int slot);
    void recordChanged(int slot);
    // Slots have moved: every slot number taken before is out of date.
    void recordsRemoved();
    void recordsReloaded();

private:
    void dropMarked();

    RecordTable table_;
};
