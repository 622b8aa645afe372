#pragma once

#include "store/FieldReader.h"
#include "store/FileFingerprint.h"
#include "store/NameList.h"
#include "store/RecordRegister.h"
#include "store/RecordVersions.h"

#include <QHash>
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

// A data file as something else left it, found before the program writes it.
struct OutsideVersion
{
    bool found = false; // the file changed on disk since it was loaded or last written
    QString copy;       // full name of the copy kept of that version
    QString copyError;  // why no copy could be kept
};

// The register and the three reference lists, with the files they live in beside the program.
class DataStore
{
public:
    static inline const QString RecordFileName = QStringLiteral("Main1.csv");
    static inline const QString LegacyFileName = QStringLiteral("Main.csv");
    static inline const QString LegacyKeptName = QStringLiteral("Main.old");
    static inline const QString TypeFileName = QStringLiteral("Type.csv");
    static inline const QString AffairFileName = QStringLiteral("Affair.csv");
    static inline const QString BorrowerFileName = QStringLiteral("Borrower.csv");

    // Why a file is not to be written over without the user's consent.
    enum class Protection
    {
        None,
        Unreadable, // it could not be read at start-up
        NoCopy,     // it would not be written back the same, and no copy of it could be kept
    };

    // appDir ends with "/", as every data file name is appDir followed by the bare name.
    explicit DataStore(const QString& appDir);

    const QString& AppDir() const { return appDir_; }
    QString path(const QString& fileName) const { return appDir_ + fileName; }

    // The register, changed only through its operations, which signal every change.
    RecordRegister recordRegister;
    // The records, to read.
    const RecordTable& records = recordRegister.table();
    NameList TypeList{500};
    NameList AffairList{2500};
    NameList BorrowerList{500};

    // Loads the record file, converting the legacy file first when it is the only one.
    QList<FileProblem> MainDataInit();
    // Writes the whole table to the record file, replacing it in one step. The file it replaces
    // is kept first among the earlier versions (see RecordVersions); a save that fails takes
    // that version back, the file being still in place.
    bool MainDataClose(QString* error);
    // Why the last save, when it went through, could not keep the file it replaced; or "".
    const QString& versionError() const { return versionError_; }
    // Before a data file (bare name) is written: when it changed on disk since the program
    // loaded or last wrote it (or appeared), keeps that version beside it.
    OutsideVersion keepOutsideVersion(const QString& fileName);

    QList<FileProblem> loadList(NameList& list, const QString& fileName);
    bool saveList(const NameList& list, const QString& fileName, QString* error);

    // Protection of a data file (bare name) until the program writes it.
    Protection protection(const QString& fileName) const
    {
        return protected_.value(fileName, Protection::None);
    }

private:
    // Reads and decodes a file that exists; one that cannot be read is reported and protected.
    // Its bytes are let go before the text is parsed.
    bool readText(const QString& fileName, QString* text, bool* decoded, FileFingerprint* version,
                  QList<FileProblem>& problems);
    QList<FileProblem> problemsOf(const QString& fileName, bool decoded,
                                  const ReadResult& read) const;
    // Keeps one copy of a file for all the problems found in it, of the version loaded only;
    // without a copy the file is protected.
    void keepOriginal(const QString& fileName, const FileFingerprint& loaded,
                      QList<FileProblem>& found);
    // Fills the table from the record file, or from the legacy file it converts.
    QList<FileProblem> readRecords(RecordTable& table);
    void convertLegacy(RecordTable& table, QList<FileProblem>& problems);
    RecordVersions::Version keepReplacedVersion(const QByteArray& bytes);

    QString appDir_;
    QHash<QString, Protection> protected_;
    // Each data file (bare name) as loaded or last written; none where there was no file.
    QHash<QString, FileFingerprint> known_;
    QString versionError_;
    // A copy of the file replaced took room that the save may have needed: until a save goes
    // through, none is made.
    bool copyGivenUp_ = false;
};
