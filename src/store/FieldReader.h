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
//
// A text can also be read in pieces (RecordStream): a reader of one piece that more text follows
// tells when an answer depended on what lies beyond the piece.
class FieldReader
{
public:
    // A quoted field that reached the end of a piece: where it opens, and how far its closing
    // quote was searched for (to the quote found, or the end of the piece).
    struct OpenField
    {
        qsizetype open = -1;
        qsizetype searched = 0;
    };

    // more: the text continues after this piece.
    explicit FieldReader(QStringView text, bool more = false) : text_(text), more_(more) {}
    // known: a field this text's first record left open when it was read before. countLines: keep
    // count of the line ends in the records read (linesRead()).
    FieldReader(QStringView text, bool more, OpenField known, bool countLines = false)
        : text_(text), more_(more), known_(known), countLines_(countLines)
    {
    }

    // True at the end of the text, or when nothing but line ends remains (a file's empty last
    // lines). Tested before each record.
    bool atEnd();
    // Reads the next record into fields[0] … fields[count − 1], as views into the text: no copy is
    // made until the caller keeps one.
    void readRecord(QStringView* fields, qsizetype count);
    // Reads the next record as readRecord() does when it is written as this program writes it:
    // every field quoted, a comma between them and CR LF after, all in the text. Else false, and
    // nothing is read.
    bool readWrittenRecord(QStringView* fields, qsizetype count);
    // True when the last atEnd() or readRecord() reached the end of a piece that more text
    // follows: its answer may change with that text, and the record is to be read again, from
    // its mark, once the text goes on further.
    bool needsMore() const { return needsMore_; }

    // Where the next record begins.
    struct Mark
    {
        qsizetype pos;
        qsizetype contentFrom;
        qsizetype damaged;
        qsizetype lines;
    };
    Mark mark() const;
    // Back to the mark, as if nothing had been read after it.
    void rewind(const Mark& mark);
    qsizetype position() const { return pos_; }
    // How many lines end in the text up to position(), when the reader counts them.
    qsizetype linesRead() const { return lines_; }
    // The quoted field that reached the end of the piece, when needsMore() says so because of it.
    OpenField openField() const { return open_; }

    // Where the damaged records read so far begin, counting the text's first line as firstLine.
    // Empty lines between records are damage too: a run of them counts once, at its first line.
    QList<qsizetype> damagedLines(qsizetype firstLine = 1) const;
    // How many lines end in the text from `from` to `to`.
    qsizetype lineEndsIn(qsizetype from, qsizetype to) const;

private:
    bool onlyLineEndsLeft();
    // True when `at` is at or past the end of the text; then more text may change the answer.
    bool pieceEnds(qsizetype at);
    QStringView field(bool& damaged);
    QStringView unclosedField(qsizetype open, qsizetype close);
    qsizetype closingQuoteFrom(qsizetype from) const;
    qsizetype delimiterFrom(qsizetype from);
    qsizetype lineEndFrom(qsizetype from, qsizetype to) const;
    void skipLineEnd();

    QStringView text_;
    bool more_;
    OpenField known_;
    bool countLines_ = false;
    qsizetype lines_ = 0;
    OpenField open_;
    bool needsMore_ = false;
    qsizetype pos_ = 0;
    // Where atEnd() last found content; only line ends lie between pos_ and it.
    qsizetype contentFrom_ = 0;
    // Offsets where damaged records begin.
    QList<qsizetype> damaged_;
};
