#pragma once

#include "store/FieldReader.h"
#include "store/NameList.h"

#include <QByteArray>
#include <QStringView>

// A reference list's file: one name per line, enclosed in double quotes, CR LF, code page 950.
namespace ListFile {

QByteArray serialize(const QStringList& names);
// Replaces the list with the names read; of more names than the list takes, the first ones up to
// its capacity are kept.
ReadResult parse(QStringView text, NameList& list);

} // namespace ListFile
