#include "store/RecordFile.h"
#include "store/FieldReader.h"
#include "store/RecordStream.h"
#include "store/Samples.h"
#include "system/Cp950.h"

#include <gtest/gtest.h>

namespace {

using Records = QList<QStringList>;

Records readRecords(const QString& text, int fieldCount, QList<qsizetype>* damaged)
{
    FieldReader reader(text);
    Records records;
    QStringView views[3];
    while (!reader.atEnd()) {
        reader.readRecord(views, fieldCount);
        QStringList fields;
        for (int f = 0; f < fieldCount; ++f)
            fields.append(views[f].toString());
        records.append(fields);
    }
    *damaged = reader.damagedLines();
    return records;
}

// The same text read by a stream, in pieces that end where `ends` says.
Records readInPieces(const QString& text, int fieldCount, const QList<qsizetype>& ends,
                     QList<qsizetype>* damaged)
{
    Records records;
    RecordStream stream(fieldCount, [&](const RecordFields& kept) {
        QStringList fields;
        for (int f = 0; f < fieldCount; ++f)
            fields.append(kept.string(f));
        records.append(fields);
        return true;
    });
    qsizetype from = 0;
    for (const qsizetype end : ends) {
        stream.text() += text.sliced(from, end - from);
        stream.read(false);
        from = end;
    }
    stream.text() += text.sliced(from);
    stream.read(true);
    *damaged = stream.result().damagedLines;
    return records;
}

// Each record is one line, and the lines out of form are reported.
TEST(FieldReaderTest, SplitsFieldsAndRecords)
{
    const struct
    {
        const char* name;
        QString text;
        int fieldCount;
        Records records;
        QList<qsizetype> damaged = {};
    } cases[] = {
        {"quoted commas and line breaks",
         "\"a,b\",\"c\r\nd\"\r\n\"e\",\"f\"\r\n",
         2,
         {{"a,b", "c\r\nd"}, {"e", "f"}}},
        {"unquoted", "a b,c\r\nd,\"e\"", 2, {{"a b", "c"}, {"d", "e"}}},
        {"one record per line", "\"1\"\r\n\"2\"\r\n", 1, {{"1"}, {"2"}}},
        {"empty lines at the end", "\"1\"\r\n\r\n\n\r", 1, {{"1"}}},
        {"short last record", "\"a\",\"b\"\r\n", 3, {{"a", "b", ""}}, {1}},
        {"unclosed quote", "\"a\",\"b\r\nc", 2, {{"a", "b"}, {"c", ""}}, {1, 2}},
        {"extra fields", "\"a\",\"b\",\"c\r\nd\"\r\n\"e\",\"f\"", 2, {{"a", "b"}, {"e", "f"}}, {1}},
        {"empty lines between records", "\r\n\"1\"\r\n\r\n\n\"2\"", 1, {{"1"}, {"2"}}, {1, 3}},
        {"LF line ends", "\"a\",\"b\"\n\"c\",\"d\"\n", 2, {{"a", "b"}, {"c", "d"}}},
        {"CR line ends", "\"a\",\"b\"\r\"c\",\"d\"\r", 2, {{"a", "b"}, {"c", "d"}}},
        {"empty fields", "\"\",\"x\",\"\"\r\n,,\r\n", 3, {{"", "x", ""}, {"", "", ""}}},
        {"text after a closing quote", "\"a\"x,\"b\"\r\n", 2, {{"a", "b"}}, {1}},
        {"fields longer than a block of the scan",
         "\"p\",\"q\",\"" + QString(54, u'r') + "\"\r\n\"1\r\n" + QString(63, u'x') + "\",\"" +
             QString(64, u'y') + "\",\"" + QString(130, u'z') +
             "\"\r\n\"\r\n\",\"a\",\"\"\r\n\"b\"\r\n",
         3,
         {{"p", "q", QString(54, u'r')},
          {"1\r\n" + QString(63, u'x'), QString(64, u'y'), QString(130, u'z')},
          {"\r\n", "a", ""},
          {"b", "", ""}},
         {6}},
        {"nothing", "", 2, {}},
        {"only line ends", "\r\n\r\n", 2, {}},
    };
    for (const auto& c : cases) {
        QList<qsizetype> damaged;
        EXPECT_EQ(readRecords(c.text, c.fieldCount, &damaged), c.records) << c.name;
        EXPECT_EQ(damaged, c.damaged) << c.name;
        // The same in pieces, as a file is read: in two at every place, and a character at a time.
        QList<qsizetype> eachCharacter;
        for (qsizetype end = 0; end <= c.text.size(); ++end) {
            EXPECT_EQ(readInPieces(c.text, c.fieldCount, {end}, &damaged), c.records)
                << c.name << ", parted at " << end;
            EXPECT_EQ(damaged, c.damaged) << c.name << ", parted at " << end;
            eachCharacter.append(end);
        }
        EXPECT_EQ(readInPieces(c.text, c.fieldCount, eachCharacter, &damaged), c.records) << c.name;
        EXPECT_EQ(damaged, c.damaged) << c.name;
    }
}

TEST(RecordFileTest, WritesQuotedFieldsWithCrLf)
{
    RecordTable table;
    EXPECT_TRUE(RecordFile::serialize(table).isEmpty());
    table.append({"a", "b", "", "d", "e,f", "1", "2026/1/5", "h"});
    EXPECT_EQ(RecordFile::serialize(table),
              "\"a\",\"b\",\"\",\"d\",\"e,f\",\"1\",\"2026/1/5\",\"h\"\r\n");
    EXPECT_EQ(RecordFile::serialize(table, RecordFile::Layout::Legacy),
              "\"a\",\"b\",\"\",\"d\",\"e,f\",\"\",\"\",\"h\"\r\n");
}

TEST(RecordFileTest, BytesSurviveLoadAndSave)
{
    // Trail bytes 0x5C and 0x7C, the euro sign, and the extension block F9D6….
    const QByteArray trails = "\xB3\x5C\xA5\x5C\xBB\x5C\xA4\x7C\xAD\x7C";
    ASSERT_EQ(Cp950::decode(trails), QStringLiteral("許功蓋弋迢"));
    QByteArray extension;
    for (int trail = 0xD6; trail <= 0xFE; ++trail)
        extension += QByteArray("\xF9") + char(trail);
    ASSERT_EQ(Cp950::decode(extension.first(2)), QStringLiteral("碁"));

    const QByteArray written = "\"" + trails + "\",\"\",\"\xA3\xE1,\r\n" + extension +
                               "\",\"\",\"\",\"12.5\",\"\",\"\"\r\n"
                               "\"2026/01/05\",\"\",\"\\|\",\"\",\"\",\"\",\"\",\"\"\r\n";
    RecordTable table;
    ASSERT_TRUE(RecordFile::parse(Cp950::decode(written), RecordFile::Layout::Current, table)
                    .damagedLines.isEmpty());
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table[1].Category, "€,\r\n" + Cp950::decode(extension));
    EXPECT_EQ(table[1].Amount, "12.5");
    EXPECT_EQ(table[2].Category, "\\|");
    // The code page writes four pairs of the extension block (F9FA…F9FD) as their twins in the
    // standard block, which read as the same characters; every other byte comes back as it was.
    QByteArray expected = written;
    expected.replace("\xF9\xFA", "\xA2\x7E").replace("\xF9\xFB", "\xA2\xA1");
    expected.replace("\xF9\xFC", "\xA2\xA2").replace("\xF9\xFD", "\xA2\xA3");
    const QByteArray saved = RecordFile::serialize(table);
    EXPECT_EQ(saved, expected);
    // What the program wrote, it reads back and writes again unchanged.
    RecordTable again;
    RecordFile::parse(Cp950::decode(saved), RecordFile::Layout::Current, again);
    EXPECT_EQ(RecordFile::serialize(again), saved);

    // The bytes read in two pieces, as a file is read, parted anywhere: within a character too,
    // and after a trail byte that reads as "\" or "|" alone. The same with the text held whole,
    // in room for the file, and in room for the first record only, as for a file that grew while
    // it was read.
    const qsizetype firstRecord = Cp950::decode(written).indexOf(u"\r\n\"2026") + 2;
    for (qsizetype end = 0; end <= written.size(); ++end) {
        for (const qsizetype held : {qsizetype(0), written.size(), firstRecord + 1}) {
            RecordStream stream = RecordFile::reader(RecordFile::Layout::Current, again);
            stream.holdWhole(held);
            stream.addBytes(written.first(end));
            stream.addBytes(written.sliced(end));
            stream.endBytes();
            EXPECT_TRUE(stream.decoded());
            EXPECT_EQ(RecordFile::serialize(again), saved) << "parted at " << end << ", " << held;
        }
    }
}

TEST(RecordFileTest, LegacyRecordsHaveNoAmountOrDueDate)
{
    RecordTable table;
    table[1].Amount = "stale";
    RecordFile::parse(
        u"\"d\",\"in\",\"c\",\"b\",\"x\",\"s\"\r\n\"d2\",\"out\",\"c2\",\"b2\",\"x2\",\"s2\"\r\n",
        RecordFile::Layout::Legacy, table);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table[1], (LoanRecord{"d", "in", "c", "b", "x", "", "", "s"}));
    EXPECT_EQ(table[2], (LoanRecord{"d2", "out", "c2", "b2", "x2", "", "", "s2"}));
}

TEST(RecordFileTest, HoldsAtMostCapacityRecords)
{
    QByteArray full;
    for (int i = 1; i <= RecordTable::Capacity; ++i)
        full += line(sample(i));
    RecordTable table;
    ASSERT_TRUE(
        RecordFile::parse(Cp950::decode(full), RecordFile::Layout::Current, table).complete);
    EXPECT_EQ(table.count(), RecordTable::Capacity);
    EXPECT_EQ(RecordFile::serialize(table), full);

    EXPECT_FALSE(
        RecordFile::parse(Cp950::decode(full + line(sample(0))), RecordFile::Layout::Current, table)
            .complete);
    EXPECT_EQ(table.count(), RecordTable::Capacity);
    EXPECT_EQ(table[RecordTable::Capacity], sample(RecordTable::Capacity));
}

} // namespace
