#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Decodes code page 950 bytes that come in pieces (a file as it is read) exactly as Cp950::decode
// decodes them whole. The bytes after a piece's last byte below 0x40, which may end in the first
// half of a character, wait for the next piece: such a byte is never half of one.
class Cp950Decoder
{
public:
    Cp950Decoder();

    // Appends to text what the bytes so far decode to.
    void add(QByteArrayView bytes, QString& text);
    // The end of the bytes: appends what the waiting ones decode to.
    void finish(QString& text);
    // The same into memory of its caller's, with room() characters at `out`; returns the end of
    // what it wrote.
    QChar* add(QByteArrayView bytes, QChar* out);
    // The room the bytes, with those that wait, may need.
    qsizetype room(qsizetype bytes) const
    {
        return decoder_.requiredSpace(waiting_.size() + bytes);
    }
    // False once a byte was found that is not in the code page.
    bool clean() const { return clean_; }

private:
    QChar* decode(QByteArrayView bytes, QChar* out);

    QStringDecoder decoder_;
    QByteArray waiting_;
    bool clean_ = true;
};
