#include "ProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <sys/stat.h>

namespace {
// Start-up of the sanitizer build on a busy machine takes seconds; this is far beyond that.
constexpr int kStartUpMs = 60 * 1000;
} // namespace

ProgramFolder::ProgramFolder()
{
    const QDir root(temp_.path());
    if (!root.mkpath(QStringLiteral("program")) || !root.mkpath(QStringLiteral("config")))
        qFatal("cannot make the program folder");
    if (!QFile::copy(QStringLiteral(KELVORA_EXE), executable()))
        qFatal("cannot copy %s", KELVORA_EXE);
}

QString ProgramFolder::executable() const
{
    return path(QStringLiteral("kelvora"));
}

QString ProgramFolder::path(const QString& fileName) const
{
    return temp_.path() + QStringLiteral("/program/") + fileName;
}

void ProgramFolder::write(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(fileName));
}

QByteArray ProgramFolder::read(const QString& fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint64 ProgramFolder::inode(const QString& fileName) const
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path(fileName)).constData(), &info) == 0 ? info.st_ino : 0;
}

QStringList ProgramFolder::dataFiles() const
{
    QStringList names = QDir(temp_.path() + QStringLiteral("/program"))
                            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("kelvora"));
    return names;
}

QString ProgramFolder::settingsFile() const
{
    return temp_.path() + QStringLiteral("/config/Tovi.ini");
}

QString ProgramFolder::setting(const QString& key) const
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QVariant value = settings.value(QStringLiteral("MainForm/") + key);
    return value.isValid() ? value.toString() : QString();
}

QProcessEnvironment ProgramFolder::environment(const QString& platform) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), temp_.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp_.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
    return env;
}

bool ProgramFolder::startAndWaitUntilUp(QProcess& process) const
{
    QFile::remove(settingsFile());
    process.setProcessEnvironment(environment(QStringLiteral("offscreen")));
    process.setWorkingDirectory(temp_.path());
    process.start(executable(), {});
    if (!process.waitForStarted())
        return false;
    return waitUntil(
        process, [this] { return !setting(QStringLiteral("Font")).isNull(); }, kStartUpMs);
}

bool waitUntil(QProcess& process, const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs || process.state() == QProcess::NotRunning)
            return false;
        process.waitForFinished(50);
    }
    return true;
}

std::string outputOf(QProcess& process)
{
    return (process.readAllStandardOutput() + process.readAllStandardError()).toStdString();
}

void stop(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
}
