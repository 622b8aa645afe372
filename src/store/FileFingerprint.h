#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// One version of a file's bytes: whether there was a file, its size and a 64-bit hash of its bytes.
// Versions with equal fingerprints are taken to be the same. The file's times are no part of it:
// they cannot tell every change (a file system keeps them to the second or two, or a change lands
// within one tick of its clock, or through a shared mapping that sets them only once), and a
// version with the same bytes is the same whatever they say.
class FileFingerprint
{
public:
    // No file.
    FileFingerprint() = default;
    explicit FileFingerprint(QByteArrayView bytes);

    // Taken from a file's bytes as they are read or written, in pieces of any size: the same as
    // of the whole.
    class Builder
    {
    public:
        Builder();
        void add(QByteArrayView bytes);
        FileFingerprint result() const;

    private:
        QByteArray partial_; // the start of a block not yet hashed
        size_t hash_;
        qsizetype size_ = 0;
    };

    // The version of the file at path, read piece by piece; nothing, and why, when it cannot be
    // read.
    static std::optional<FileFingerprint> of(const QString& path, QString* error);

    qsizetype size() const { return size_; }
    bool operator==(const FileFingerprint&) const = default;

private:
    FileFingerprint(qsizetype size, size_t hash) : present_(true), size_(size), hash_(hash) {}

    bool present_ = false;
    qsizetype size_ = 0;
    size_t hash_ = 0;
};
