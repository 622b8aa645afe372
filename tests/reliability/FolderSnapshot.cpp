#include "FolderSnapshot.h"

#include <QDir>
#include <QFile>

FolderSnapshot snapshotOf(const QString& folder)
{
    FolderSnapshot files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                             QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<dir>"));
    }
    return files;
}
