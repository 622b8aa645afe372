#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

class QProcess;

// The built program copied into a program folder of its own (its data files live beside it),
// with a settings folder of its own, to be run as a separate process.
class ProgramFolder
{
public:
    ProgramFolder();

    QString executable() const;
    QString path(const QString& fileName) const;
    void write(const QString& fileName, const QByteArray& bytes) const;
    QByteArray read(const QString& fileName) const;
    // The file's inode: a file replaced by a new one has another.
    quint64 inode(const QString& fileName) const;
    // The names in the program folder, the program itself left out.
    QStringList dataFiles() const;

    QString settingsFile() const;
    // A stored setting, or a null text when the key is missing.
    QString setting(const QString& key) const;

    // The environment of a run: the settings folder, the given Qt platform, no leak report at
    // the end (the program ends with its windows still allocated).
    QProcessEnvironment environment(const QString& platform) const;
    // Starts the program on the offscreen platform and waits until it has finished start-up,
    // which it shows by storing the font size in a settings file that this removes beforehand.
    // False when it did not come up in time.
    bool startAndWaitUntilUp(QProcess& process) const;

private:
    QTemporaryDir temp_;
};

// Polls condition until it holds or timeoutMs pass; stops early when process ends.
bool waitUntil(QProcess& process, const std::function<bool()>& condition, int timeoutMs);
// What the process wrote that was not read yet, for a failure's message.
std::string outputOf(QProcess& process);
// Kills the process if it still runs.
void stop(QProcess& process);
