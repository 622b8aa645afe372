#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Earlier versions of the record file, kept in a folder beside it so that a mistaken delete or
// clear can be undone by hand: every save keeps the file it replaces, the newest ones stay.
namespace RecordVersions {

inline const QString FolderName = QStringLiteral("備份");
constexpr int Kept = 20;

// Keeps the bytes as "備份/Main1-yyyymmdd-hhmmss.csv" (the time given), unless the newest copy
// already holds them, and removes the oldest copies past Kept; other files there are left alone.
// Returns the empty text, or why no copy could be kept.
QString keep(const QString& appDir, const QByteArray& bytes, const QDateTime& when);

} // namespace RecordVersions
