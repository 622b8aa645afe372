#pragma once

#include "store/NameList.h"
#include "store/RecordTable.h"

#include <QList>
#include <QString>

// Something wrong with a data file found while loading; the user is told, nothing is dropped
// without a copy of the file being kept.
struct FileProblem
{
    enum class Kind
    {
        Unreadable,   // exists but could not be read; it is not overwritten without consent
        Undecodable,  // bytes outside code page 950; a copy was kept
        TooMany,      // more entries than the table or list holds; a copy was kept
        NotConverted, // the legacy file could not be converted; its records are kept in memory
    };
    Kind kind;
    QString file;   // full name
    QString reason; // the system's words, when it gave any
    QString copy;   // full name of the copy kept, if any
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

    // appDir ends with "/", as every data file name is appDir followed by the bare name.
    explicit DataStore(const QString& appDir);

    const QString& AppDir() const { return appDir_; }
    QString path(const QString& fileName) const { return appDir_ + fileName; }

    RecordTable records;
    NameList TypeList{500};
    NameList AffairList{2500};
    NameList BorrowerList{500};

    // Loads the record file, converting the legacy file first when it is the only one.
    QList<FileProblem> MainDataInit();
    // Writes the whole table to the record file, replacing it in one step.
    bool MainDataClose(QString* error);
    // True when the record file existed at start-up but could not be read.
    bool recordFileUnread() const { return recordFileUnread_; }

    QList<FileProblem> loadList(NameList& list, const QString& fileName);
    bool saveList(const NameList& list, const QString& fileName, QString* error);

private:
    // Reads and decodes a file that exists; records what went wrong.
    bool readText(const QString& fileName, QString* text, QList<FileProblem>& problems);
    void convertLegacy(QList<FileProblem>& problems);

    QString appDir_;
    bool recordFileUnread_ = false;
};
