#pragma once

#include "store/DataStore.h"

#include <QList>
#include <QStringList>

class QWidget;

// What the user is told and asked about the data files: the problems found at start-up, and
// before a file is written whether a protected one may be written over, and why a write failed.
namespace FileMessages {

// One message for each file, naming its copy once.
void report(QWidget* parent, const QList<FileProblem>& problems);

// Writes the record file at the close, asking first where it would write over a file the user
// has not agreed to lose. False when the user chose to go back to the program. What the user is
// only told (a version another program wrote kept beside it, an earlier version not kept) is
// added to notices, to be told once the file is written.
bool writeRecordFile(QWidget* parent, DataStore& store, QStringList& notices);

// Writes a list file the same way; returns what to tell, a failed write among it.
QStringList writeListFile(QWidget* parent, DataStore& store, const NameList& list,
                          const QString& fileName);

} // namespace FileMessages
