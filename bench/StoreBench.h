#pragma once

#include <QString>

// Load, save, close and export of the record file, each timed beside its floor: the least work
// any reader or writer of the same bytes must do: the file read or written and converted a piece
// at a time, buffers reused, the written file replaced in one step and synced with its folder;
// nothing else.
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

    struct CloseTiming
    {
        double unchangedMs;
        double oneDeletedMs;
        double floorMs; // as save()'s
    };
    // What the close does to the record file (DataFileSaver::saveRecordFile: the check for
    // another program's changes, the save, the earlier version kept), with the register as loaded
    // and with its first record deleted. The file is as it was afterwards.
    CloseTiming close() const;
    // CsvExport::write of every record as 全部.csv; the floor encodes the export's text and writes
    // it the same way.
    Timing exportAll() const;

private:
    QString appDir_;
    int expectedRecords_;
    int runs_;
};
