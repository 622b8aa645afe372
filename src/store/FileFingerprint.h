#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// One version of a file on disk: whether it was there, its size, its modification time and a hash
// of its bytes. Versions with equal fingerprints are taken to be the same.
class FileFingerprint
{
public:
    // No file.
    FileFingerprint() = default;
    FileFingerprint(QByteArrayView bytes, const QDateTime& modified);

    bool operator==(const FileFingerprint&) const = default;

    // True when the file at path is still this version and holds these bytes already, so that
    // writing them would change nothing. Only the file's size and time are looked up.
    bool unchangedBy(const QString& path, QByteArrayView bytes) const;

private:
    bool present_ = false;
    qsizetype size_ = 0;
    QDateTime modified_;
    size_t hash_ = 0;
};
