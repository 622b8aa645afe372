#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>

#include <functional>

// The few file operations the data files need: whole-file reads, safe whole-file writes, copies.
// Every reason they give is in the program's words where it is a common one (reasonText). A name
// they add or change is on disk when they return (its folder is synced), so that a save reported
// done survives a power cut.
namespace FileSystem {

// True when something of that name exists (a file, or anything standing in its place).
bool exists(const QString& path);
// True for a regular file or a link to one.
bool isFile(const QString& path);
bool rename(const QString& from, const QString& to, QString* error = nullptr);
// Creates the folder (and its parents) unless it exists.
bool makeFolder(const QString& path);

// True for a regular file holding exactly these bytes.
bool holds(const QString& path, const QByteArray& bytes);

// Reads a regular file (or a link to one); anything else is refused without being opened, so a
// named pipe or a device cannot block the program. modified, when given, gets the file's time.
bool readAll(const QString& path, QByteArray* bytes, QString* error, QDateTime* modified = nullptr);

// Replaces the file in one step: until the new bytes are complete on disk the old file stays
// whole. A folder that refuses a temporary file (a shared folder where only the file is writable)
// gets the file written in place; should that fail half-way, the previous bytes are put back.
// modified, when given, gets the new file's time.
bool writeAll(const QString& path, const QByteArray& bytes, QString* error,
              QDateTime* modified = nullptr);
// Writes every byte to an open device; the part of writeAll that can fail half-way.
bool writeDevice(QIODevice& device, const QByteArray& bytes, QString* error);

// Keeps the file at `from`, which holds `bytes`, as `to` without taking space where the file system
// allows: a second name for the same file (a hard link), which writeAll's replacement of `from`
// leaves holding these bytes. Elsewhere (no links there, another file system, or a `from` that
// writeAll would write in place) a copy of the bytes. linked tells which.
bool keepAs(const QString& from, const QString& to, const QByteArray& bytes, QString* error,
            bool* linked);

// Keeps bytes read from a file beside it as "name.bak", "name.bak2", …: a copy that already holds
// the same bytes is used again, other files are never written over. Returns the copy's name, or
// "" and the reason.
QString keepCopy(const QString& path, const QByteArray& bytes, QString* error);

// The reason the system gave for a failed file operation: the common ones (no space left,
// permission denied, read-only file system, a folder, file too large, no such file) in
// Traditional Chinese, any other as the system put it.
QString reasonText(const QString& systemText);

// Test seam: called with each folder synced (its canonical name); none when empty.
void observeFolderSyncs(std::function<void(const QString& folder)> observer);

} // namespace FileSystem
