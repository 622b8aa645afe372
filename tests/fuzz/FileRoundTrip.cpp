#include "FileRoundTrip.h"

#include "Property.h"
#include "store/ListFile.h"
#include "store/NameList.h"
#include "system/Cp950.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

QString throughCodePage(const QString& text)
{
    return Cp950::decode(Cp950::encode(text));
}

bool anyQuote(const RecordTable& table)
{
    for (int i : table.filledSlots()) {
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            if (table[i].field(f).contains(u'"'))
                return true;
        }
    }
    return false;
}

bool anyQuote(const QStringList& names)
{
    for (const QString& name : names) {
        if (name.contains(u'"'))
            return true;
    }
    return false;
}

QString where(int slot, int field)
{
    return QStringLiteral("record %1, field %2").arg(slot).arg(field);
}

// Records as their fields in file order, with what the reading found besides.
struct Read
{
    QList<QStringList> records;
    ReadResult result;
};

Read readRecords(QStringView text, RecordFile::Layout layout)
{
    static RecordTable table; // large; the slots past its records are never read
    Read read{{}, RecordFile::parse(text, layout, table)};
    for (int i : table.filledSlots()) {
        QStringList fields;
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            if (layout == RecordFile::Layout::Current || (f != 5 && f != 6))
                fields.append(table[i].field(f));
        }
        read.records.append(fields);
    }
    return read;
}

Read readNames(QStringView text)
{
    NameList list(500);
    Read read{{}, ListFile::parse(text, list)};
    for (const QString& name : list.names())
        read.records.append({name});
    return read;
}

// Records end with their lines: a line after any text reads as one more record, and the text
// before it reads as it did alone. Without double quotes each line is a record of its
// comma-separated fields, and exactly the lines out of form are reported: those with another
// number of fields, and the first of each run of empty lines before the last record.
void checkLines(QStringView text, qsizetype count, const std::function<Read(QStringView)>& read)
{
    const Read alone = read(text);
    QStringList added;
    for (qsizetype f = 0; f < count; ++f)
        added.append(QStringLiteral("L%1").arg(f));
    const Read followed = read(text.toString() + QStringLiteral("\r\n\"") +
                               added.join(QStringLiteral("\",\"")) + u'"');
    if (alone.result.complete && followed.result.complete) {
        require(followed.records == alone.records + QList<QStringList>{added},
                "a line is read the same whatever the lines before it hold");
    }
    if (text.contains(u'"') || !alone.result.complete)
        return;
    // CR LF, a lone CR and a lone LF each end a line.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.toString().split(lineEnd);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> records;
    QList<qsizetype> damaged;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            if (i == 0 || !lines[i - 1].isEmpty())
                damaged.append(i + 1);
            continue;
        }
        QStringList fields = lines[i].split(u',');
        if (fields.size() != count)
            damaged.append(i + 1);
        fields.resize(count);
        records.append(fields);
    }
    require(alone.records == records, "without quotes each line is one record");
    require(alone.result.damagedLines == damaged, "the lines out of form are reported");
}

// Reads the bytes into the stream as a file is read, in pieces, here of 1 to 7 bytes in turn;
// returns whether they all decoded.
bool readInPieces(QByteArrayView input, RecordStream& stream)
{
    qsizetype size = 1;
    for (qsizetype at = 0; at < input.size(); at += size, size = size % 7 + 1)
        stream.addBytes(input.sliced(at).first(std::min(size, input.size() - at)));
    stream.endBytes();
    return stream.decoded();
}

// Read in pieces, the bytes read as they do whole.
void requireAsWhole(const ReadResult& inPieces, bool decodedInPieces, const ReadResult& whole,
                    bool decoded)
{
    require(decodedInPieces == decoded, "read in pieces, the bytes decode as they do whole");
    require(inPieces.complete == whole.complete && inPieces.damagedLines == whole.damagedLines,
            "read in pieces, the text reads as it does whole");
}

} // namespace

namespace FileRoundTrip {

void checkRecordFile(QByteArrayView input, RecordFile::Layout layout)
{
    // A table is large; the slots past its records are never read, so they can be reused.
    static RecordTable loaded;
    static RecordTable again;
    bool clean = false;
    const QString text = Cp950::decode(input, &clean);
    const ReadResult whole = RecordFile::parse(text, layout, loaded);
    require(loaded.count() <= RecordTable::Capacity, "no more records than the table holds");
    // Read in pieces, and so with the text held whole, as a large file is.
    for (const qsizetype held : {qsizetype(0), input.size()}) {
        RecordStream stream = RecordFile::reader(layout, again);
        stream.holdWhole(held);
        const bool decoded = readInPieces(input, stream);
        requireAsWhole(stream.result(), decoded, whole, clean);
        require(again.count() == loaded.count(), "read in pieces, the same number of records");
        for (int i : loaded.filledSlots())
            require(again[i] == loaded[i], "read in pieces, the same records", where(i, 0));
    }
    checkLines(text,
               layout == RecordFile::Layout::Current ? LoanRecord::FieldCount
                                                     : RecordFile::LegacyFieldCount,
               [layout](QStringView t) { return readRecords(t, layout); });
    if (anyQuote(loaded))
        return;

    const QByteArray written = RecordFile::serialize(loaded, layout);
    const ReadResult back =
        RecordFile::parse(Cp950::decode(written), RecordFile::Layout::Current, again);
    require(back.complete, "a written table fits the table again");
    require(back.damagedLines.isEmpty(), "a written file is in form");
    require(again.count() == loaded.count(), "a written file reads back as many records",
            QStringLiteral("%1 then %2").arg(loaded.count()).arg(again.count()));

    bool exact = clean;
    for (int i : loaded.filledSlots()) {
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            const QString& first = loaded[i].field(f);
            require(again[i].field(f) == throughCodePage(first),
                    "each field reads back as the code page holds it", where(i, f));
            exact = exact && Cp950::canEncode(first);
        }
    }
    if (exact) {
        for (int i : loaded.filledSlots())
            require(again[i] == loaded[i], "clean text reads back exactly", where(i, 0));
    }
    require(RecordFile::serialize(again) == written,
            "what was read from a written file writes the same bytes");
}

void checkListFile(QByteArrayView input)
{
    // The smallest capacity of the three lists, so that overfull files are reached too.
    NameList loaded(500);
    bool clean = false;
    const QString text = Cp950::decode(input, &clean);
    const ReadResult whole = ListFile::parse(text, loaded);
    require(loaded.count() <= loaded.capacity(), "no more names than the list holds");
    NameList inPieces(loaded.capacity());
    RecordStream stream = ListFile::reader(inPieces);
    const bool decoded = readInPieces(input, stream);
    requireAsWhole(stream.result(), decoded, whole, clean);
    require(inPieces.names() == loaded.names(), "read in pieces, the same names");
    checkLines(text, 1, readNames);
    if (anyQuote(loaded.names()))
        return;

    const QByteArray written = ListFile::serialize(loaded.names());
    NameList again(loaded.capacity());
    const ReadResult back = ListFile::parse(Cp950::decode(written), again);
    require(back.complete, "a written list fits the list again");
    require(back.damagedLines.isEmpty(), "a written file is in form");
    require(again.count() == loaded.count(), "a written file reads back as many names",
            QStringLiteral("%1 then %2").arg(loaded.count()).arg(again.count()));

    bool exact = clean;
    for (qsizetype i = 0; i < loaded.names().size(); ++i) {
        const QString& name = loaded.names().at(i);
        require(again.names().at(i) == throughCodePage(name),
                "each name reads back as the code page holds it", QString::number(i + 1));
        exact = exact && Cp950::canEncode(name);
    }
    if (exact)
        require(again.names() == loaded.names(), "clean text reads back exactly");
    require(ListFile::serialize(again.names()) == written,
            "what was read from a written file writes the same bytes");
}

} // namespace FileRoundTrip
