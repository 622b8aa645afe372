#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The names and bytes of the files in a folder (not its subfolders' content), to show that a
// failed write left everything as it was and no half-written file behind.
using FolderSnapshot = QMap<QString, QByteArray>;

FolderSnapshot snapshotOf(const QString& folder);
