#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

// The few file operations the data files need: whole-file reads, safe whole-file writes, copies.
// Every reason they give is in the program's words where it is a common one (reasonText). A name
// they add or change is on disk when they return (its folder is synced), so that a save reported
// done survives a power cut.
namespace FileSystem {

// Files are read, written and compared this many bytes at a time: few system calls, and each
// piece stays within the processor's cache while it is worked on.
inline constexpr qsizetype PieceSize = 256 * 1024;

// The program's words for a name that stands for something other than a regular file.
inline const QString NotAFile = QStringLiteral("這不是一般的檔案");

// True when something of that name exists (a file, or anything standing in its place).
bool exists(const QString& path);
// The size of a file in bytes; 0 for none.
qint64 size(const QString& path);
// True for a regular file or a link to one.
bool isFile(const QString& path);
bool rename(const QString& from, const QString& to, QString* error = nullptr);
// Creates the folder (and its parents) unless it exists.
bool makeFolder(const QString& path);

// True for a regular file holding exactly these bytes.
bool holds(const QString& path, const QByteArray& bytes);
// True when the two files hold the same bytes: two names of one file, or regular files of the same
// size compared piece by piece.
bool sameBytes(const QString& a, const QString& b);

// Reads a regular file (or a link to one); anything else is refused without being opened, so a
// named pipe or a device cannot block the program.
bool readAll(const QString& path, QByteArray* bytes, QString* error);
// Reads a file as readAll does, but piece by piece: each piece of at most PieceSize bytes is given
// to take as it is read, in a buffer used again for the next; take returns false to stop there.
bool readPieces(const QString& path, const std::function<bool(QByteArrayView piece)>& take,
                QString* error);

// Replaces the file in one step with the bytes (FileWriter).
bool writeAll(const QString& path, QByteArrayView bytes, QString* error);
// Writes every byte to an open device; the part of a write that can fail half-way.
bool writeDevice(QIODevice& device, QByteArrayView bytes, QString* error);
// True when the file exists in a folder that takes no new file, so that it can only be written in
// place.
bool writesInPlace(const QString& path);
// Makes the names added to or changed in the folder last through a power cut.
void syncFolder(const QString& folder);

// Keeps the file at `from` as `to` without taking space where the file system allows: a second
// name for the same file (a hard link), which FileWriter's replacement of `from` leaves holding its
// bytes. Elsewhere (no links there, another file system, or a `from` that would be written in
// place) a copy. linked tells which.
bool keepAs(const QString& from, const QString& to, QString* error, bool* linked);

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
