#include "system/Cp950Decoder.h"

#include "system/Cp950.h"

#include <algorithm>

namespace {
bool endsAPiece(char byte)
{
    return static_cast<uchar>(byte) < 0x40;
}
} // namespace

void Cp950Decoder::add(QByteArrayView bytes, QString& text)
{
    // Straight into the text, which keeps its room from piece to piece.
    const qsizetype from = text.size();
    text.resize(from + room(bytes.size()));
    text.resize(add(bytes, text.data() + from) - text.constData());
}

QChar* Cp950Decoder::add(QByteArrayView bytes, QChar* out)
{
    const auto last = std::find_if(bytes.rbegin(), bytes.rend(), endsAPiece);
    if (last == bytes.rend()) {
        waiting_.append(bytes);
        return out;
    }
    const qsizetype end = bytes.rend() - last;
    qsizetype from = 0;
    if (!waiting_.isEmpty()) {
        // Only the bytes up to the first such byte are joined to the waiting ones.
        from = std::find_if(bytes.begin(), bytes.end(), endsAPiece) - bytes.begin() + 1;
        waiting_.append(bytes.first(from));
        out = decode(waiting_, out);
        waiting_.resize(0);
    }
    out = decode(bytes.sliced(from, end - from), out);
    waiting_.append(bytes.sliced(end));
    return out;
}

void Cp950Decoder::finish(QString& text)
{
    const qsizetype from = text.size();
    text.resize(from + room(0));
    text.resize(decode(waiting_, text.data() + from) - text.constData());
    waiting_ = {};
}

Cp950Decoder::Cp950Decoder() : decoder_(Cp950::CodecName, QStringDecoder::Flag::Stateless) {}

QChar* Cp950Decoder::decode(QByteArrayView bytes, QChar* out)
{
    if (bytes.isEmpty())
        return out;
    out = decoder_.appendToBuffer(out, bytes);
    clean_ = clean_ && !decoder_.hasError();
    return out;
}
