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
    const auto last = std::find_if(bytes.rbegin(), bytes.rend(), endsAPiece);
    if (last == bytes.rend()) {
        waiting_.append(bytes);
        return;
    }
    const qsizetype end = bytes.rend() - last;
    qsizetype from = 0;
    if (!waiting_.isEmpty()) {
        // Only the bytes up to the first such byte are joined to the waiting ones.
        from = std::find_if(bytes.begin(), bytes.end(), endsAPiece) - bytes.begin() + 1;
        waiting_.append(bytes.first(from));
        decode(waiting_, text);
        waiting_.resize(0);
    }
    decode(bytes.sliced(from, end - from), text);
    waiting_.append(bytes.sliced(end));
}

void Cp950Decoder::finish(QString& text)
{
    decode(waiting_, text);
    waiting_ = {};
}

Cp950Decoder::Cp950Decoder() : decoder_(Cp950::CodecName, QStringDecoder::Flag::Stateless) {}

// Straight into the text, which keeps its room from piece to piece.
void Cp950Decoder::decode(QByteArrayView bytes, QString& text)
{
    if (bytes.isEmpty())
        return;
    const qsizetype from = text.size();
    text.resize(from + decoder_.requiredSpace(bytes.size()));
    const QChar* end = decoder_.appendToBuffer(text.data() + from, bytes);
    text.resize(end - text.constData());
    clean_ = clean_ && !decoder_.hasError();
}
