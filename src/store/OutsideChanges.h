#pragma once

#include "store/FileFingerprint.h"

#include <QHash>
#include <QString>

// A data file as something else left it, found before the program writes it.
struct OutsideVersion
{
    bool found = false; // the file changed on disk since it was loaded or last written
    QString copy;       // full name of the copy kept of that version
    QString copyError;  // why no copy could be kept
};

// Each data file (bare name) as the program loaded or last wrote it, so that a version another
// program wrote meanwhile is found, and kept, before the program writes over it.
class OutsideChanges
{
public:
    // folder ends with "/".
    explicit OutsideChanges(const QString& folder) : folder_(folder) {}

    void remember(const QString& fileName, const FileFingerprint& version)
    {
        known_.insert(fileName, version);
    }
    // The version loaded or last written; no file where there was none.
    FileFingerprint known(const QString& fileName) const { return known_.value(fileName); }

    // When the file changed on disk since then, or appeared, keeps that version beside it.
    OutsideVersion keepOutsideVersion(const QString& fileName) const;

private:
    QString folder_;
    QHash<QString, FileFingerprint> known_;
};
