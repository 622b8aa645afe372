#pragma once

#include "store/RecordFile.h"

#include <QByteArrayView>

// What must hold for any bytes found in a record file, a legacy file or a list file.
//
// Every input is read without a crash, and never into more records or names than the table or
// list holds. Records end with their lines: a line added after any input reads as one more
// record, the records before it as they read alone. Without double quotes each line is one
// record of its comma-separated fields, and exactly the lines out of form are reported.
// Then what was read is written and read again:
//  - A field holding a double quote cannot be written so that it reads back: the format has no
//    escape, and the quote ends the field early. The program never stores one (the record editor
//    and the list editor remove them), so nothing more is asked of such inputs.
//  - Otherwise the written file is in form, the same number of records or names reads back, each
//    field as the code page holds it (decode(encode(field))); writing them again gives the very
//    same bytes.
//  - And when, besides, the input decoded cleanly and every field survives the code page, the
//    records or names read back are exactly those first read.
// Commas, CR and LF inside fields are carried by the quotes and need no exception.
namespace FileRoundTrip {

void checkRecordFile(QByteArrayView input, RecordFile::Layout layout);
void checkListFile(QByteArrayView input);

} // namespace FileRoundTrip
