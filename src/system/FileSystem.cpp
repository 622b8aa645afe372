#include "system/FileSystem.h"

#include "system/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
const QString kIsFolder = QStringLiteral("這是一個資料夾，不是檔案");
const QString kNoPermission = QStringLiteral("沒有存取權限");
// "name.bak" … "name.bak999".
constexpr int kCopyNames = 999;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = FileSystem::reasonText(text);
}

std::function<void(const QString&)>& folderSyncObserver()
{
    static std::function<void(const QString&)> observer;
    return observer;
}

// The file at path opened for reading when it is a regular file (or a link to one): anything else
// is refused unopened, so that a named pipe or a device cannot block the program.
bool openForReading(QFile& file, QString* error)
{
    const QFileInfo info(file.fileName());
    if (info.isDir()) {
        setError(error, kIsFolder);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        setError(error, FileSystem::NotAFile);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa;
    struct stat sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies the file's bytes to a new file `to`, replaced in one step as writeAll does.
bool copy(const QString& from, const QString& to, QString* error)
{
    FileWriter target(to);
    if (!target.open(error))
        return false;
    if (!FileSystem::readPieces(
            from, [&](QByteArrayView piece) { return target.write(piece); }, error))
        return false;
    return target.commit(error);
}
} // namespace

namespace FileSystem {

// A new or renamed name is on disk only once its folder is; the file's own bytes are synced by
// whatever wrote them. A folder that cannot be synced (some shared folders) is left to the system:
// the name is in place already, and nothing the program could do would make it surer.
void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    if (folderSyncObserver())
        folderSyncObserver()(QFileInfo(folder).canonicalFilePath());
}

bool writesInPlace(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() && !QFileInfo(file.absolutePath()).isWritable();
}

qint64 size(const QString& path)
{
    return QFileInfo(path).size();
}

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool isFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool rename(const QString& from, const QString& to, QString* error)
{
    QFile file(from);
    if (!file.rename(to)) {
        setError(error, file.errorString());
        return false;
    }
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

bool makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path))
        return false;
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

bool holds(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    QByteArray held;
    return info.isFile() && info.size() == bytes.size() && readAll(path, &held, nullptr) &&
           held == bytes;
}

bool readAll(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool readPieces(const QString& path, const std::function<bool(QByteArrayView)>& take,
                QString* error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    QByteArray piece(PieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(piece.data(), PieceSize);
        if (n < 0) {
            setError(error, file.errorString());
            return false;
        }
        if (n == 0 || !take(QByteArrayView(piece.constData(), n)))
            return true;
    }
}

bool sameBytes(const QString& a, const QString& b)
{
    if (sameFile(a, b))
        return true;
    const QFileInfo infoA(a);
    const QFileInfo infoB(b);
    QFile fileA(a);
    QFile fileB(b);
    if (!infoA.isFile() || !infoB.isFile() || infoA.size() != infoB.size() ||
        !openForReading(fileA, nullptr) || !openForReading(fileB, nullptr))
        return false;
    QByteArray pieceA(PieceSize, Qt::Uninitialized);
    QByteArray pieceB(PieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 n = fileA.read(pieceA.data(), PieceSize);
        if (n < 0 || fileB.read(pieceB.data(), PieceSize) != n ||
            std::memcmp(pieceA.constData(), pieceB.constData(), static_cast<size_t>(n)) != 0)
            return false;
        if (n == 0)
            return true;
    }
}

bool writeDevice(QIODevice& device, QByteArrayView bytes, QString* error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            setError(error, device.errorString());
            return false;
        }
        done += n;
    }
    return true;
}

bool writeAll(const QString& path, QByteArrayView bytes, QString* error)
{
    FileWriter file(path);
    if (!file.open(error))
        return false;
    file.write(bytes);
    return file.commit(error);
}

bool keepAs(const QString& from, const QString& to, QString* error, bool* linked)
{
    const QFileInfo file(from);
    // A file written in place, or a link's target, would change under its second name too.
    *linked = !file.isSymLink() && !writesInPlace(from) &&
              ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    if (!*linked)
        return copy(from, to, error);
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

QString keepCopy(const QString& path, const QByteArray& bytes, QString* error)
{
    for (int n = 1; n <= kCopyNames; ++n) {
        const QString copy =
            path + QStringLiteral(".bak") + (n == 1 ? QString() : QString::number(n));
        if (exists(copy)) {
            if (holds(copy, bytes))
                return copy;
            continue;
        }
        // NewOnly: a file that takes the name meanwhile is not written over.
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (exists(copy))
                continue;
            setError(error, file.errorString());
            return {};
        }
        if (!writeDevice(file, bytes, error)) {
            file.remove();
            return {};
        }
        // On disk before the file it keeps is written over.
        if (::fsync(file.handle()) != 0) {
            setError(error, qt_error_string(errno));
            file.remove();
            return {};
        }
        return copy;
    }
    setError(error,
             QStringLiteral("%1.bak 到 %1.bak%2 都已經有其他檔案").arg(path).arg(kCopyNames));
    return {};
}

QString reasonText(const QString& systemText)
{
    static const QList<std::pair<int, QString>> common{
        {ENOSPC, QStringLiteral("磁碟空間不足")},
        {EACCES, kNoPermission},
        {EPERM, kNoPermission},
        {EROFS, QStringLiteral("這是唯讀的檔案系統")},
        {EISDIR, kIsFolder},
        {EFBIG, QStringLiteral("檔案太大")},
        {ENOENT, QStringLiteral("檔案或資料夾不存在")},
    };
    // Compared with the system's own texts of the moment, in whatever language it speaks.
    for (const auto& [code, words] : common) {
        if (systemText == qt_error_string(code))
            return words;
    }
    if (systemText == QSaveFile::tr("Filename refers to a directory"))
        return kIsFolder;
    const QString notWritable = QSaveFile::tr("Existing file %1 is not writable");
    const qsizetype name = notWritable.indexOf(QStringLiteral("%1"));
    if (name > 0 && systemText.startsWith(notWritable.first(name)) &&
        systemText.endsWith(notWritable.sliced(name + 2)))
        return kNoPermission;
    return systemText;
}

void observeFolderSyncs(std::function<void(const QString& folder)> observer)
{
    folderSyncObserver() = std::move(observer);
}

} // namespace FileSystem
