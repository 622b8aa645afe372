#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <optional>

// A file replaced in one step by bytes written to it piece by piece: until commit() the old file
// stays whole. A folder that refuses a temporary file (a shared folder where only the file is
// writable) gets the file written in place; should that fail half-way, the previous bytes are
// put back. commit() puts the bytes on disk, folder included.
class FileWriter
{
public:
    explicit FileWriter(const QString& path);
    ~FileWriter();

    // Whether the file will be written in place: its old bytes are gone from open() on.
    bool inPlace() const { return inPlace_; }

    bool open(QString* error);
    // False once a write failed; commit() then gives the reason.
    bool write(QByteArrayView bytes);
    bool commit(QString* error);

private:
    // Leaves the file as it was before open().
    void cancel();

    QString path_;
    bool inPlace_;
    QSaveFile file_;
    std::optional<QByteArray> previous_;
    QString error_;
    bool open_ = false;
    bool failed_ = false;
};
