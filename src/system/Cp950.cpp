#include "system/Cp950.h"

#include "system/Cp950Decoder.h"
#include "system/FileSystem.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace {
constexpr const char* kCodec = Cp950::CodecName;
constexpr qsizetype kEncodePiece = 64 * 1024 * 1024;

// The whole trip through the code page.
bool roundTrips(QStringView text)
{
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && Cp950::decode(bytes) == text;
}

// Whether each character of the basic plane survives the trip alone, learned once, a block of 256
// characters a trip: each character is followed by a line feed, which is never part of a
// double-byte character, so that each comes back on a line of its own. Should a block not, its
// characters make the trip one by one. Lone surrogates never survive.
class AloneTable
{
public:
    AloneTable()
    {
        for (int first = 0; first < 0x10000; first += kBlock)
            learnBlock(first);
    }

    // 1 when kept, else 0: runs of characters are checked without a branch.
    uchar kept(char16_t unit) const { return kept_[unit]; }

private:
    static constexpr int kBlock = 256;

    // The line feed is the probe's own separator: it makes the trip alone.
    static bool isProbed(int c) { return !QChar::isSurrogate(c) && c != u'\n'; }

    void learnBlock(int first)
    {
        QString probe;
        probe.reserve(2 * kBlock);
        for (int c = first; c < first + kBlock; ++c) {
            if (isProbed(c)) {
                probe += QChar(c);
                probe += u'\n';
            }
        }
        QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
        const QByteArray bytes = encoder.encode(probe);
        const QString back = Cp950::decode(bytes);
        const bool aligned = back.count(u'\n') == probe.size() / 2;
        qsizetype at = 0;
        for (int c = first; c < first + kBlock; ++c) {
            if (isProbed(c) && aligned) {
                const qsizetype start = at;
                while (back[at] != u'\n')
                    ++at;
                kept_[c] = at == start + 1 && back[start] == QChar(c) ? 1 : 0;
                ++at;
            } else if (!QChar::isSurrogate(c)) {
                const QChar alone(c);
                kept_[c] = roundTrips(QStringView(&alone, 1)) ? 1 : 0;
            }
        }
    }

    std::array<uchar, 0x10000> kept_{};
};

// Whether every character of the text survives the trip alone; false also for a surrogate pair.
bool eachKeptAlone(QStringView text)
{
    static const AloneTable table;
    // In runs, so that the loop over a long text stays free of branches within a run.
    constexpr qsizetype kRun = 512;
    const char16_t* units = text.utf16();
    for (qsizetype from = 0; from < text.size(); from += kRun) {
        const qsizetype end = std::min(from + kRun, text.size());
        uchar all = 1;
        qsizetype i = from;
        for (; i + 4 <= end; i += 4)
            all &= table.kept(units[i]) & table.kept(units[i + 1]) & table.kept(units[i + 2]) &
                   table.kept(units[i + 3]);
        for (; i < end; ++i)
            all &= table.kept(units[i]);
        if (all == 0)
            return false;
    }
    return true;
}
} // namespace

namespace Cp950 {

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    QByteArray bytes;
    // The converter fails on inputs of 512 MiB and more: a long text goes in pieces well below
    // that, never parted between the halves of a surrogate pair.
    for (qsizetype from = 0, end = 0; from < text.size(); from = end) {
        end = std::min(from + kEncodePiece, text.size());
        if (end < text.size() && text[end - 1].isHighSurrogate())
            ++end;
        bytes += encoder.encode(text.sliced(from, end - from));
    }
    return bytes;
}

// Through the decoder files are read with, a piece at a time as a file is read, so that a call
// to the converter stays far below its limits.
QString decode(QByteArrayView bytes, bool* ok)
{
    Cp950Decoder decoder;
    QString text;
    for (qsizetype from = 0; from < bytes.size(); from += FileSystem::PieceSize)
        decoder.add(bytes.sliced(from, std::min(FileSystem::PieceSize, bytes.size() - from)), text);
    decoder.finish(text);
    if (ok)
        *ok = decoder.clean();
    return text;
}

// Some characters map to a byte pair that reads back as another one; those are lost too. The code
// page converts character by character, so a text survives when each of its characters does
// alone: a table answers that at a glance for the basic plane, and only a text it does not pass
// (a character outside the code page, a surrogate pair) makes the whole trip, which decides.
bool canEncode(QStringView text)
{
    return eachKeptAlone(text) || roundTrips(text);
}

} // namespace Cp950
