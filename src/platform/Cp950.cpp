#include "platform/Cp950.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kCodec = "windows-950";
}

namespace Cp950 {

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes, bool* ok)
{
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
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
