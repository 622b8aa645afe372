#include "store/FileFingerprint.h"

#include "system/FileSystem.h"

#include <QHashFunctions>

#include <algorithm>

namespace {
// Any seed but 0 takes the processor's AES hash where there is one, many times faster than the
// one seed 0 gets. The fingerprints of one run only are compared.
constexpr size_t kSeed = 0x4B656C76;
// The bytes are hashed in blocks of this size, each block's hash the seed of the next, so that
// the hash does not depend on the pieces they come in. Files are read and written in pieces of
// the same size, which are then hashed where they are.
constexpr qsizetype kBlock = FileSystem::PieceSize;

size_t hashOf(QByteArrayView bytes, size_t seed)
{
    return qHashBits(bytes.data(), static_cast<size_t>(bytes.size()), seed);
}
} // namespace

FileFingerprint::FileFingerprint(QByteArrayView bytes)
{
    Builder builder;
    builder.add(bytes);
    *this = builder.result();
}

FileFingerprint::Builder::Builder() : hash_(kSeed) {}

void FileFingerprint::Builder::add(QByteArrayView bytes)
{
    size_ += bytes.size();
    if (!partial_.isEmpty()) {
        const qsizetype n = std::min(kBlock - partial_.size(), bytes.size());
        partial_.append(bytes.first(n));
        bytes = bytes.sliced(n);
        if (partial_.size() < kBlock)
            return;
        hash_ = hashOf(partial_, hash_);
        partial_.resize(0);
    }
    for (; bytes.size() >= kBlock; bytes = bytes.sliced(kBlock))
        hash_ = hashOf(bytes.first(kBlock), hash_);
    partial_.append(bytes);
}

FileFingerprint FileFingerprint::Builder::result() const
{
    return {size_, partial_.isEmpty() ? hash_ : hashOf(partial_, hash_)};
}

std::optional<FileFingerprint> FileFingerprint::of(const QString& path, QString* error)
{
    Builder builder;
    if (!FileSystem::readPieces(
            path,
            [&](QByteArrayView piece) {
                builder.add(piece);
                return true;
            },
            error))
        return std::nullopt;
    return builder.result();
}
