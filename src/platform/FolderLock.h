#pragma once

#include <QLockFile>
#include <QString>

// One running copy of the program per program folder: two copies would each write their own
// records over the other's at the close.
class FolderLock
{
public:
    enum class Result
    {
        Locked,      // this copy holds the folder
        InUse,       // another running copy holds it
        Unprotected, // no lock can be made there (a read-only folder): run without one
    };

    static inline const QString FileName = QStringLiteral(".kelvora.lock");

    // folder ends with "/".
    explicit FolderLock(const QString& folder);

    // A lock left by a copy that has ended (a crash, a kill) is taken over.
    Result acquire();

private:
    QLockFile lock_;
};
