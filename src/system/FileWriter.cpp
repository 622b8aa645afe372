#include "system/FileWriter.h"

#include "system/FileSystem.h"

#include <QFile>
#include <QFileInfo>

FileWriter::FileWriter(const QString& path)
    : path_(path), inPlace_(FileSystem::writesInPlace(path)), file_(path)
{
}

FileWriter::~FileWriter()
{
    if (open_)
        cancel();
}

bool FileWriter::open(QString* error)
{
    const QFileInfo target(path_);
    if (inPlace_) {
        // A named pipe would block the program, and what the file holds now is kept to be put
        // back.
        if (!target.isFile() && !target.isDir()) {
            if (error)
                *error = FileSystem::NotAFile;
            return false;
        }
        QByteArray held;
        if (target.isFile() && FileSystem::readAll(path_, &held, nullptr))
            previous_ = held;
    }
    file_.setDirectWriteFallback(true);
    // Unbuffered, so that a failed write (a full disk) shows in write(): commit() misses a
    // failure of the buffer's last flush and would put the short file in place of the old one.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = FileSystem::reasonText(file_.errorString());
        cancel();
        return false;
    }
    open_ = true;
    return true;
}

bool FileWriter::write(QByteArrayView bytes)
{
    failed_ = failed_ || !FileSystem::writeDevice(file_, bytes, &error_);
    return !failed_;
}

bool FileWriter::commit(QString* error)
{
    if (!failed_ && !file_.commit()) {
        failed_ = true;
        error_ = FileSystem::reasonText(file_.errorString());
    }
    if (failed_) {
        if (error)
            *error = error_;
        cancel();
        return false;
    }
    open_ = false;
    // The file replaced is the link's target, where there is a link.
    FileSystem::syncFolder(QFileInfo(QFileInfo(path_).canonicalFilePath()).absolutePath());
    return true;
}

void FileWriter::cancel()
{
    open_ = false;
    file_.cancelWriting();
    if (previous_ && !FileSystem::holds(path_, *previous_)) {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            FileSystem::writeDevice(file, *previous_, nullptr);
    }
}
