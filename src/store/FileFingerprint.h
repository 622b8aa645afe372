#pragma once

#include <QByteArrayView>
#include <QDateTime>

// One version of a file on disk: whether it was there, its size, its modification time and a hash
// of its bytes. Versions with equal fingerprints are taken to be the same.
class FileFingerprint
{
public:
    // No file.
    FileFingerprint() = default;
    FileFingerprint(QByteArrayView bytes, const QDateTime& modified);

    bool operator==(const FileFingerprint&) const = default;

private:
    bool present_ = false;
    qsizetype size_ = 0;
    QDateTime modified_;
    size_t hash_ = 0;
};
