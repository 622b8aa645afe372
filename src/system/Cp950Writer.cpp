#include "system/Cp950Writer.h"

#include "system/Cp950.h"
#include "system/FileSystem.h"

Cp950Writer::Cp950Writer(Sink sink)
    : sink_(std::move(sink)), encoder_(Cp950::CodecName, QStringEncoder::Flag::Stateless),
      gathered_(std::make_unique<QChar[]>(Gathered))
{
}

void Cp950Writer::addLong(QStringView text)
{
    convertGathered();
    convert(text);
}

bool Cp950Writer::finish()
{
    convertGathered();
    handOn(true);
    return !failed_;
}

void Cp950Writer::convertGathered()
{
    convert(QStringView(gathered_.get(), gatheredSize_));
    gatheredSize_ = 0;
}

void Cp950Writer::convert(QStringView text)
{
    while (!text.isEmpty() && !failed_) {
        qsizetype n = std::min(text.size(), Gathered);
        // Never between the halves of a surrogate pair.
        if (n < text.size() && text[n - 1].isHighSurrogate())
            ++n;
        const qsizetype from = bytes_.size();
        bytes_.resize(from + encoder_.requiredSpace(n));
        const char* end = encoder_.appendToBuffer(bytes_.data() + from, text.first(n));
        bytes_.resize(end - bytes_.constData());
        text = text.sliced(n);
        handOn(false);
    }
}

void Cp950Writer::handOn(bool all)
{
    qsizetype done = 0;
    while (!failed_ &&
           (bytes_.size() - done >= FileSystem::PieceSize || (all && done < bytes_.size()))) {
        const qsizetype n = std::min(FileSystem::PieceSize, bytes_.size() - done);
        failed_ = !sink_(QByteArrayView(bytes_).sliced(done, n));
        done += n;
    }
    // The rest moves to the front, so that the buffer keeps its room for the next bytes.
    std::copy(bytes_.cbegin() + done, bytes_.cend(), bytes_.begin());
    bytes_.resize(bytes_.size() - done);
}
