#include "FileRoundTrip.h"

#include "Property.h"
#include "platform/Cp950.h"
#include "store/ListFile.h"
#include "store/NameList.h"

namespace {

QString throughCodePage(const QString& text)
{
    return Cp950::decode(Cp950::encode(text));
}

bool anyQuote(const RecordTable& table)
{
    for (int i = 1; i < table.RecordNext(); ++i) {
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

} // namespace

namespace FileRoundTrip {

void checkRecordFile(QByteArrayView input, RecordFile::Layout layout)
{
    // A table is large; the slots past RecordNext are never read, so they can be reused.
    static RecordTable loaded;
    static RecordTable again;
    bool clean = false;
    RecordFile::parse(Cp950::decode(input, &clean), layout, loaded);
    require(loaded.count() <= RecordTable::Capacity, "no more records than the table holds");
    if (anyQuote(loaded))
        return;

    const QByteArray written = RecordFile::serialize(loaded, layout);
    require(RecordFile::parse(Cp950::decode(written), RecordFile::Layout::Current, again),
            "a written table fits the table again");
    require(again.count() == loaded.count(), "a written file reads back as many records",
            QStringLiteral("%1 then %2").arg(loaded.count()).arg(again.count()));

    bool exact = clean;
    for (int i = 1; i < loaded.RecordNext(); ++i) {
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            const QString& first = loaded[i].field(f);
            require(again[i].field(f) == throughCodePage(first),
                    "each field reads back as the code page holds it", where(i, f));
            exact = exact && Cp950::canEncode(first);
        }
    }
    if (exact) {
        for (int i = 1; i < loaded.RecordNext(); ++i)
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
    ListFile::parse(Cp950::decode(input, &clean), loaded);
    require(loaded.count() <= loaded.capacity(), "no more names than the list holds");
    if (anyQuote(loaded.names()))
        return;

    const QByteArray written = ListFile::serialize(loaded.names());
    NameList again(loaded.capacity());
    require(ListFile::parse(Cp950::decode(written), again), "a written list fits the list again");
    require(again.count() == loaded.count(), "a written file reads back as many names",
            QStringLiteral("%1 then %2").arg(loaded.count()).arg(again.count()));

    bool exact = clean;
    for (int i = 1; i < loaded.Next(); ++i) {
        require(again.Names(i) == throughCodePage(loaded.Names(i)),
                "each name reads back as the code page holds it", QString::number(i));
        exact = exact && Cp950::canEncode(loaded.Names(i));
    }
    if (exact)
        require(again.names() == loaded.names(), "clean text reads back exactly");
    require(ListFile::serialize(again.names()) == written,
            "what was read from a written file writes the same bytes");
}

} // namespace FileRoundTrip
