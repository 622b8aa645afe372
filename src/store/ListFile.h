#pragma once

#include "store/FieldReader.h"
#include "store/NameList.h"
#include "store/RecordStream.h"
#include "system/Cp950Writer.h"

#include <QByteArray>
#include <QStringView>

// A reference list's file: one name per line, enclosed in double quotes, CR LF, code page 950.
namespace ListFile {

void write(const QStringList& names, Cp950Writer& out);
QByteArray serialize(const QStringList& names);
// Replaces the list with the names read from text given in pieces; of more names than the list
// takes, the first ones up to its capacity are kept.
RecordStream reader(NameList& list);
// The same from a whole text.
ReadResult parse(QStringView text, NameList& list);

} // namespace ListFile
