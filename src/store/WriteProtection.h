#pragma once

#include <QHash>
#include <QString>

// The data files (bare names) not to be written over without the user's consent, and why: found
// while loading, lifted once the program has written the file.
class WriteProtection
{
public:
    enum class Reason
    {
        None,
        Unreadable, // it could not be read at start-up
        NoCopy,     // it would not be written back the same, and no copy of it could be kept
    };

    void protect(const QString& fileName, Reason reason) { reasons_.insert(fileName, reason); }
    void lift(const QString& fileName) { reasons_.remove(fileName); }
    Reason of(const QString& fileName) const { return reasons_.value(fileName, Reason::None); }

private:
    QHash<QString, Reason> reasons_;
};
