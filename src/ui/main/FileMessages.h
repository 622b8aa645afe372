#pragma once

#include "store/DataStore.h"

#include <QList>

class QWidget;

// What the user is told and asked about the data files: the problems found at start-up, and
// before a file is written whether a protected one may be written over, and why a write failed.
namespace FileMessages {

// One message for each file, naming its copy once.
void report(QWidget* parent, const QList<FileProblem>& problems);

// Writes the record file at the close, asking first where it would write over a file the user
// has not agreed to lose. False when the user chose to go back to the program.
bool writeRecordFile(QWidget* parent, DataStore& store);

// What to tell the user when the last save could not keep the file it replaced, or "".
QString versionNotice(const DataStore& store);

// Writes a list file, asking first when it is protected; a failure is told.
void writeListFile(QWidget* parent, DataStore& store, const NameList& list,
                   const QString& fileName);

} // namespace FileMessages
