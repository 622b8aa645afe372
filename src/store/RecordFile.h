#pragma once

#include "store/FieldReader.h"
#include "store/RecordStream.h"
#include "store/RecordTable.h"
#include "system/Cp950Writer.h"

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

// Writes the whole table as the file's text. Legacy writes the current layout from records read
// from a legacy file: their Amount and DueDate are written empty whatever the slots hold.
void write(const RecordTable& table, Cp950Writer& out, Layout amountsFrom = Layout::Current);
// The same as the file's bytes.
QByteArray serialize(const RecordTable& table, Layout amountsFrom = Layout::Current);

// Reads records of the given layout, from text given in pieces, into slots 1, 2, …, which become
// the table's records as they are read. When the text holds more records than the table, the
// first Capacity are kept.
RecordStream reader(Layout layout, RecordTable& table);
// The same from a whole text.
ReadResult parse(QStringView text, Layout layout, RecordTable& table);

} // namespace RecordFile
