#pragma once

#include <QList>
#include <QString>

// Something wrong with a data file found while loading; the user is told, nothing is dropped
// without a copy of the file being kept or the file being protected.
struct FileProblem
{
    enum class Kind
    {
        Unreadable,   // exists but could not be read; it is not overwritten without consent
        Undecodable,  // bytes outside code page 950
        Damaged,      // lines not in the file's form; each gave one record of what it holds
        TooMany,      // more entries than the table or list holds
        NotConverted, // the legacy file could not be converted; its records are kept in memory
    };
    Kind kind;
    QString file;                // full name
    QString reason = {};         // why it could not be read or written
    QList<qsizetype> lines = {}; // Damaged: where the damaged records begin, 1-based
    // A file that would not be written back the same is kept beside it first (for the legacy
    // file: the file itself, under whichever name it now has). Without a copy the file is not
    // overwritten without consent.
    QString copy = {};      // full name of the copy kept
    QString copyError = {}; // why no copy could be kept
};
