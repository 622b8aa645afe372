#pragma once

#include <QString>
#include <QStringList>

class DataStore;
class NameList;
class QWidget;

// Whether a data file is written, and the writing: a file the user has not agreed to lose (it
// could not be read, or kept, at start-up; another program changed it and no copy could be kept)
// is written over only when the user agrees, and a failed write of the record file is retried
// while the user asks.
namespace DataFileSaver {

// Writes the record file at the close. False when the user chose to go back to the program. What
// the user is only told (a version another program wrote kept beside it, an earlier version not
// kept) is added to notices, to be told once the file is written.
bool saveRecordFile(QWidget* parent, DataStore& store, QStringList& notices);

// Writes a list file the same way, but once; returns what to tell, a failed write among it.
QStringList saveListFile(QWidget* parent, DataStore& store, const NameList& list,
                         const QString& fileName);

} // namespace DataFileSaver
