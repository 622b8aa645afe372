#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The few file operations the data files need: whole-file reads, safe whole-file writes.
namespace FileSystem {

// True when something of that name exists (a file, or anything standing in its place).
bool exists(const QString& path);
bool rename(const QString& from, const QString& to, QString* error = nullptr);

bool readAll(const QString& path, QByteArray* bytes, QString* error);

// Replaces the file in one step: until the new bytes are complete on disk the old file stays whole.
bool writeAll(const QString& path, const QByteArray& bytes, QString* error);
// Writes every byte to an open device; the part of writeAll that can fail half-way.
bool writeDevice(QIODevice& device, const QByteArray& bytes, QString* error);

// Copies a file to a free name beside it ("name.bak", "name.bak2", …); returns that name or "".
QString keepCopy(const QString& path);

} // namespace FileSystem
