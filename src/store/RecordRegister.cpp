#include "store/RecordRegister.h"

namespace {
// Written into the Date of every record that is to go, then dropped by compaction. A hand-made
// file may hold it too: such a record goes at the next removal.
const QString kDeletionMark = QStringLiteral("DeleteData");
} // namespace

int RecordRegister::append(const LoanRecord& record)
{
    const int slot = table_.append(record);
    emit recordAppended(slot);
    return slot;
}

void RecordRegister::replace(int slot, const LoanRecord& record)
{
    table_[slot] = record;
    emit recordChanged(slot);
}

void RecordRegister::remove(const QList<int>& which)
{
    for (int slot : which)
        table_[slot].Date = kDeletionMark;
    dropMarked();
}

void RecordRegister::removeReturned()
{
    for (int slot : table_.filledSlots()) {
        if (table_[slot].Status == Texts::Returned)
            table_[slot].Date = kDeletionMark;
    }
    dropMarked();
}

void RecordRegister::dropMarked()
{
    table_.compact([](const LoanRecord& r) { return r.Date == kDeletionMark; });
    emit recordsRemoved();
}

void RecordRegister::renameCategory(const QString& from, const QString& to)
{
    for (int slot : table_.filledSlots()) {
        if (table_[slot].Category == from) {
            table_[slot].Category = to;
            emit recordChanged(slot);
        }
    }
}

void RecordRegister::load(const std::function<void(RecordTable&)>& read)
{
    read(table_);
    emit recordsReloaded();
}
