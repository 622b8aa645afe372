#pragma once

#include <QByteArray>
#include <QString>

// One running copy of the program per program folder: two copies would each write their own
// records over the other's at the close.
//
// The lock is the system's (flock), held on the folder itself and on ".kelvora.lock" in it. The
// system lets it go when the process ends, however it ends, so a lock that no running process
// holds is never refused: not for what the file holds, the machine that wrote it or a process
// number used again. The folder's lock cannot be deleted from under the running copy as the file
// can. The file names this process in the form earlier versions of the program wrote and read.
class FolderLock
{
public:
    enum class Result
    {
        Locked,          // this copy holds the folder
        InUse,           // another running copy holds it
        FolderReadOnly,  // the folder takes no lock file: it cannot be written
        LockFileBlocked, // something that is no lock file stands in its place and cannot be removed
    };

    static inline const QString FileName = QStringLiteral(".kelvora.lock");

    // folder ends with "/".
    explicit FolderLock(const QString& folder);
    // Removes the lock file, unless it is no longer the one this copy made.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Result acquire();

    // What to tell the user about the result, or the empty text when there is nothing to tell.
    QString notice(Result result) const;

private:
    Result acquireFile();
    Result refused(int error, bool standsThere);

    QString folder_;
    QString path_;
    QByteArray encodedPath_;
    int folderHandle_ = -1;
    int fileHandle_ = -1;
    QString reason_;
};
