#include "support/TestSupport.h"

#include "system/Cp950.h"

#include <QDir>
#include <QFile>

TempAppDir::TempAppDir()
{
    QDir(temp_.path()).mkpath(QStringLiteral("program"));
    QDir(temp_.path()).mkpath(QStringLiteral("settings"));
    // The user's settings folder, as the program finds it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir()));
}

QString TempAppDir::dir() const
{
    return temp_.path() + QStringLiteral("/program/");
}

QString TempAppDir::settingsDir() const
{
    return temp_.path() + QStringLiteral("/settings");
}

void TempAppDir::write(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

QByteArray TempAppDir::read(const QString& fileName) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempAppDir::exists(const QString& fileName) const
{
    return QFile::exists(path(fileName));
}

QByteArray big5(const QString& text)
{
    return Cp950::encode(text);
}
