#pragma once

#include "store/FieldReader.h"
#include "system/Cp950Decoder.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// Reads records from text that comes in pieces (a file as it is read and decoded), exactly as a
// FieldReader reads the whole text: each record is read once the text holds all that its reading
// depends on, and the text before it is let go, so that little more than a piece is held at once.
// The pieces are given as text, or as the bytes of a file in code page 950.
class RecordStream
{
public:
    // Takes each record read, its fields as views that are valid during the call; returns false
    // when it takes no more.
    using Take = std::function<bool(const QStringView* fields)>;

    RecordStream(qsizetype fieldCount, Take take);

    // The text not yet read: the next piece is appended to it.
    QString& text() { return text_; }
    // Reads the records the text holds in full; last: no text follows. False once no more text is
    // wanted: the text has ended, or no more records are taken.
    bool read(bool last);
    // Reads a whole text where it is.
    void readWhole(QStringView text);

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
    // Reads what it can of the text; returns how much of it is done with.
    qsizetype readFrom(QStringView text, bool last);

    qsizetype fieldCount_;
    Take take_;
    QList<QStringView> fields_;
    QString text_;
    Cp950Decoder decoder_;
    bool wanted_ = true;
    // The length the text must reach before a record that needed more is read again: twice what
    // it was, so that a long record is not read over and over.
    qsizetype readAgainAt_ = 0;
    qsizetype linesDone_ = 0; // lines ended in the text let go
    bool full_ = false;
    bool ended_ = false;
    ReadResult result_;
};
