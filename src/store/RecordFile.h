#pragma once

#include "store/FieldReader.h"
#include "store/RecordTable.h"

#include <QByteArray>
#include <QStringView>

// The record file: one line per record, eight fields each enclosed in double quotes, joined by
// commas, ended by CR LF, in code page 950. The legacy file has six fields: no Amount, no DueDate.
namespace RecordFile {

enum class Layout
{
    Current,
    Legacy
};
inline constexpr int LegacyFieldCount = 6;

// The whole table as the file's bytes. Legacy writes the current layout from records read from a
// legacy file: their Amount and DueDate are written empty whatever the slots hold.
QByteArray serialize(const RecordTable& table, Layout amountsFrom = Layout::Current);

// Reads records of the given layout into slots 1, 2, …, which become the table's records. When the
// text holds more records than the table, the first Capacity are kept.
ReadResult parse(QStringView text, Layout layout, RecordTable& table);

} // namespace RecordFile
