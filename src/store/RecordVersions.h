#pragma once

#include <QDateTime>
#include <QString>

// Earlier versions of the record file, kept in a folder beside it so that a mistaken delete or
// clear can be undone by hand: every save keeps the file it replaces, the newest ones stay.
namespace RecordVersions {

inline const QString FolderName = QStringLiteral("備份");
constexpr int Kept = 20;

// The version kept for one save.
struct Version
{
    QString path;        // full name; "" when none was made
    bool linked = false; // a second name of the file replaced, which takes no space
    QString error;       // why none could be made
};

// Keeps the file as "備份/Main1-nnnnnn-yyyymmdd-hhmmss.csv": numbered one past the newest copy
// there, so that the copies keep the order they were made in whatever the clock says, and stamped
// with the time given. Nothing is made when the newest copy holds the same bytes already.
Version keep(const QString& programFolder, const QString& file, const QDateTime& when);
// Removes the oldest copies past Kept; other files there are left alone.
void prune(const QString& programFolder);

} // namespace RecordVersions
