#pragma once

#include "store/FieldReader.h"
#include "system/Cp950Decoder.h"
#include "system/FileSystem.h"
#include "system/MemoryMappedAhead.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>

class RecordStream;

// The fields of a record read: views, valid while the record is taken, and strings to keep.
class RecordFields
{
public:
    QStringView operator[](qsizetype field) const { return views_[field]; }
    // The field as a string to keep. It shares the memory of the text it was read from, held whole
    // or a part of the file, instead of a copy of its own; writing to it copies it, as with any
    // shared string.
    QString string(qsizetype field) const;

private:
    friend class RecordStream;
    RecordFields(const QStringView* views, RecordStream* stream) : views_(views), stream_(stream) {}

    const QStringView* views_;
    RecordStream* stream_; // null: the text is not the stream's own, every string is a copy
};

// Reads records from text that comes in pieces (a file as it is read and decoded), exactly as a
// FieldReader reads the whole text: each record is read once the text holds all that its reading
// depends on, and the text before it is let go, so that little more than a piece is held at once.
// The pieces are given as text, or as the bytes of a file in code page 950.
class RecordStream
{
public:
    // Takes each record read; returns false when it takes no more.
    using Take = std::function<bool(const RecordFields& fields)>;

    RecordStream(qsizetype fieldCount, Take take);

    // The text not yet read: the next piece is appended to it.
    QString& text() { return text_; }
    // Reads the records the text holds in full; last: no text follows. False once no more text is
    // wanted: the text has ended, or no more records are taken.
    bool read(bool last);
    // Reads a whole text where it is.
    void readWhole(QStringView text);

    // Files at least this large are best held whole.
    static constexpr qsizetype HoldWholeFrom = 16 * FileSystem::PieceSize;
    // The bytes about to be given are a file of this size: its text is held whole, in memory
    // reserved for it at once and mapped ahead of the decoding, and the fields kept share it
    // instead of copies of their own, each of which would be memory mapped afresh. Before the first
    // bytes only.
    void holdWhole(qsizetype bytes);
    // Decodes the next piece of bytes into the text and reads what it can. Bytes given once no more
    // text is wanted are decoded all the same, to tell whether every byte decodes.
    void addBytes(QByteArrayView bytes);
    // The end of the bytes.
    void endBytes();
    // Whether every byte given was in the code page.
    bool decoded() const { return decoder_.clean(); }

    // What the reading found besides the records. Not complete when records were left that no
    // longer were taken.
    const ReadResult& result() const { return result_; }

private:
    friend class RecordFields;

    // Reads what it can of the text; returns how much of it is done with.
    // share: the fields kept share the stream's text; else each is a copy of its own (a text read
    // where it is, not the stream's).
    qsizetype readFrom(QStringView text, bool last, bool share);
    // Lets the text read go, up to `done`.
    void letGo(qsizetype done);
    // Appends a piece decoded to the text held whole.
    void addToWhole(QStringView piece);
    // Where the text held whole ends, to write on; and where what was written there ends.
    QChar* endOfWhole();
    void wroteToWhole(QChar* end);
    // Counts the lines of the text held whole up to `end`.
    void countLinesTo(qsizetype end);
    // A field of the record being taken as a string that shares the stream's text.
    QString keep(QStringView field);

    qsizetype fieldCount_;
    Take take_;
    QList<QStringView> fields_;
    QString text_;
    // Held whole, the text is read from start_ on, and pieces are decoded into piece_ first.
    bool whole_ = false;
    qsizetype start_ = 0;
    QString piece_;
    std::unique_ptr<MemoryMappedAhead> mappedAhead_;
    Cp950Decoder decoder_;
    bool wanted_ = true;
    // The length the text must reach before a record that needed more is read again: twice what
    // it was, so that a long record is not read over and over; none when it left a quoted field
    // open, which the next reading searches on from where this one stopped.
    qsizetype readAgainAt_ = 0;
    // The quoted field the record that needed more left open, in the text as it is now.
    FieldReader::OpenField openField_;
    // Lines ended in the text let go, or in the text held whole up to linesCountedTo_.
    qsizetype linesDone_ = 0;
    qsizetype linesCountedTo_ = 0;
    bool full_ = false;
    bool ended_ = false;
    ReadResult result_;
};

inline QString RecordFields::string(qsizetype field) const
{
    return stream_ ? stream_->keep(views_[field]) : views_[field].toString();
}
