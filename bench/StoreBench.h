#pragma once

#include <QString>

// Load and save of the record file, each timed beside its floor: the least work any reader or
// writer of the same bytes must do (whole-file I/O and the code page conversion, nothing else).
class StoreBench
{
public:
    struct Timing
    {
        double ms;      // the program's own operation
        double floorMs; // the floor, timed in turn with it
    };

    // appDir holds a register of expectedRecords records.
    StoreBench(const QString& appDir, int expectedRecords, int runs);

    // DataStore::loadRecords into a fresh store; the floor reads and decodes the file.
    Timing load() const;
    // DataStore::saveRecords; the floor encodes the same text and writes it the same safe way.
    Timing save() const;

private:
    QString appDir_;
    int expectedRecords_;
    int runs_;
};
