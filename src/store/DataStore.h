#pragma once

#include "store/DataFileReader.h"
#include "store/DataFiles.h"
#include "store/FileProblem.h"
#include "store/NameList.h"
#include "store/OutsideChanges.h"
#include "store/RecordRegister.h"
#include "store/ReferenceLists.h"
#include "store/ReplacedVersions.h"
#include "store/TextFile.h"
#include "store/WriteProtection.h"

#include <QList>
#include <QString>

// The register and the three reference lists, with the files they live in beside the program
// (DataFiles). What is done with the files is each the job of a class of its own: reading them
// (DataFileReader) and converting the legacy record file (LegacyConversion), the files not to be
// written over without consent (WriteProtection), versions other programs wrote meanwhile
// (OutsideChanges) and the record file's earlier versions (ReplacedVersions).
class DataStore
{
public:
    // folder ends with "/", as every data file name is the folder followed by the bare name.
    explicit DataStore(const QString& folder);

    const QString& folder() const { return folder_; }
    QString path(const QString& fileName) const { return folder_ + fileName; }

    // The register, changed only through its operations, which signal every change.
    RecordRegister& recordRegister() { return register_; }
    const RecordTable& records() const { return register_.table(); }
    ReferenceLists& lists() { return lists_; }
    const ReferenceLists& lists() const { return lists_; }

    // Loads the record file, converting the legacy file first when it is the only one.
    QList<FileProblem> loadRecords();
    // Writes the whole table to the record file, replacing it in one step, the file it replaces
    // kept first among the earlier versions.
    bool saveRecords(QString* error);
    // Why the last save, when it went through, could not keep the file it replaced; or "".
    const QString& versionError() const { return versions_.error(); }

    QList<FileProblem> loadList(NameList& list, const QString& fileName);
    bool saveList(const NameList& list, const QString& fileName, QString* error);

    // Before a data file (bare name) is written: when it changed on disk since the program
    // loaded or last wrote it (or appeared), keeps that version beside it.
    OutsideVersion keepOutsideVersion(const QString& fileName) const
    {
        return outside_.keepOutsideVersion(fileName);
    }
    // Why a data file (bare name) is not to be written over without consent, until the program
    // writes it.
    WriteProtection::Reason protection(const QString& fileName) const
    {
        return protection_.of(fileName);
    }

private:
    // Writes the text as the file and remembers its bytes as the file's version.
    bool write(const QString& fileName, const TextFile::Text& text, QString* error,
               const TextFile::BeforeReplace& beforeReplace = {});

    QString folder_;
    RecordRegister register_;
    ReferenceLists lists_;
    WriteProtection protection_;
    OutsideChanges outside_;
    DataFileReader reader_;
    ReplacedVersions versions_;
};
