#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for a test, with its own settings folder beside it.
class TempAppDir
{
public:
    TempAppDir();

    // Ends with "/", as programFolder() does.
    QString dir() const;
    QString path(const QString& fileName) const { return dir() + fileName; }

    void write(const QString& fileName, const QByteArray& bytes) const;
    QByteArray read(const QString& fileName) const;
    bool exists(const QString& fileName) const;
    QString settingsDir() const;

private:
    QTemporaryDir temp_;
};

// Text in code page 950, for building file contents in tests.
QByteArray big5(const QString& text);
