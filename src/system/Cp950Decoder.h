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
    // False once a byte was found that is not in the code page.
    bool clean() const { return clean_; }

private:
    void decode(QByteArrayView bytes, QString& text);

    QStringDecoder decoder_;
    QByteArray waiting_;
    bool clean_ = true;
};
