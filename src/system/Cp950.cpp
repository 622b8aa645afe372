#include "system/Cp950.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr const char* kCodec = Cp950::CodecName;

// The converter fails on inputs of 512 MiB and more, and on output beyond 2 GiB: larger texts are
// converted in pieces well below that.
constexpr qsizetype kPiece = 64 * 1024 * 1024;

// The end of the piece of bytes from `from`: just after a byte below 0x40, which is never the
// second byte of a Big5 character, so that the pieces decode exactly as the whole would.
qsizetype bytePieceEnd(QByteArrayView bytes, qsizetype from)
{
    qsizetype end = std::min(from + kPiece, bytes.size());
    while (end < bytes.size() && static_cast<uchar>(bytes[end - 1]) >= 0x40)
        ++end;
    return end;
}

// The end of the piece of text from `from`, never between the halves of a surrogate pair.
qsizetype textPieceEnd(QStringView text, qsizetype from)
{
    qsizetype end = std::min(from + kPiece, text.size());
    if (end < text.size() && text[end - 1].isHighSurrogate())
        ++end;
    return end;
}
} // namespace

namespace Cp950 {

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    QByteArray bytes;
    for (qsizetype from = 0, end = 0; from < text.size(); from = end) {
        end = textPieceEnd(text, from);
        const QByteArray piece = encoder.encode(text.sliced(from, end - from));
        bytes += piece;
    }
    return bytes;
}

QString decode(QByteArrayView bytes, bool* ok)
{
    QString text;
    bool clean = true;
    for (qsizetype from = 0, end = 0; from < bytes.size(); from = end) {
        end = bytePieceEnd(bytes, from);
        QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
        const QString piece = decoder.decode(bytes.sliced(from, end - from));
        text += piece;
        clean = clean && !decoder.hasError();
    }
    if (ok)
        *ok = clean;
    return text;
}

bool canEncode(QStringView text)
{
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    // Some characters map to a byte pair that reads back as another one; those are lost too.
    return !encoder.hasError() && decode(bytes) == text;
}

} // namespace Cp950
