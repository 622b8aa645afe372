#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What reading a data file found besides its records.
struct ReadResult
{
    bool complete = true; // false: the text holds more than the table or list takes
    // 1-based numbers of the lines where damaged records begin, in file order.
    QList<qsizetype> damagedLines;
};

// Reads the quoted comma-separated data files record by record. A record is one line of fields:
// a field opened by a double quote runs to the next double quote (commas and line breaks
// included), any other field runs to the next comma or line end, and the record ends at a line
// end outside quotes. A damaged line gives one record of what it holds and leaves the lines after
// it alone: missing fields are empty, extra fields and text after a closing quote are dropped,
// and a quoted field that lacks its closing quote ends with its line.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    // True at the end of the text, or when nothing but line ends remains (a file's empty last
    // lines). Tested before each record.
    bool atEnd() const;
    // Reads the next record into fields[0] … fields[count − 1], as views into the text: no copy is
    // made until the caller keeps one.
    void readRecord(QStringView* fields, qsizetype count);
    // Where the damaged records read so far begin. Empty lines between records are damage too:
    // a run of them counts once, at its first line.
    QList<qsizetype> damagedLines() const;

private:
    QStringView field(bool& damaged);
    QStringView unclosedField(qsizetype open, qsizetype close);
    qsizetype delimiterFrom(qsizetype from) const;
    qsizetype lineEndFrom(qsizetype from, qsizetype to) const;
    void skipLineEnd();

    QStringView text_;
    qsizetype pos_ = 0;
    // Where atEnd() last found content; only line ends lie between pos_ and it.
    mutable qsizetype contentFrom_ = 0;
    // Offsets where damaged records begin.
    QList<qsizetype> damaged_;
};
