#include "SmallDisk.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString mountedRun(const QString& folder, qint64 bytes,
                   const std::function<QString(const QString&)>& work)
{
    const QByteArray path = QFile::encodeName(folder);
    const QByteArray size = "size=" + QByteArray::number(bytes);
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", path.constData(), "tmpfs", 0, size.constData()) != 0)
        return QStringLiteral("cannot mount a file system of its own (needs CAP_SYS_ADMIN): ") +
               qt_error_string(errno);
    return work(folder);
}

} // namespace

QString onSmallDisk(qint64 bytes, const std::function<QString(const QString& folder)>& work)
{
    QTemporaryDir folder;
    int pipe[2];
    if (!folder.isValid() || ::pipe(pipe) != 0)
        return QStringLiteral("no temporary folder or pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const QByteArray said = mountedRun(folder.path(), bytes, work).toUtf8();
        for (qsizetype done = 0; done < said.size();) {
            const ssize_t n = ::write(pipe[1], said.constData() + done, said.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray said;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("the child did not end normally: ") + QString::fromUtf8(said);
    return QString::fromUtf8(said);
}
