#pragma once

#include <QString>

class RecordTable;

namespace CategoryRecords {

// Gives every record whose category is exactly `from` (case-sensitive) the category `to`, also
// the records the main window's filters hide.
void replace(RecordTable& records, const QString& from, const QString& to);

} // namespace CategoryRecords
