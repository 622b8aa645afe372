#pragma once

#include "store/FileFingerprint.h"
#include "store/RecordVersions.h"

#include <QString>

#include <optional>

// Keeps the record file each save replaces among its earlier versions (RecordVersions). A save
// that fails takes its copy back, the file being still in place; a copy that took room the save
// may have needed is not made again until a save goes through. A version that cannot be kept
// never stops the save.
class ReplacedVersions
{
public:
    // folder ends with "/".
    explicit ReplacedVersions(const QString& folder) : folder_(folder) {}

    // Before the record file is replaced by the bytes written (TextFile::BeforeReplace): their
    // version, or none when they are not known yet.
    void keepReplaced(const std::optional<FileFingerprint>& written);
    void saveDone();
    void saveFailed();
    // Why the last save, when it went through, could not keep the file it replaced; or "".
    const QString& error() const { return error_; }

private:
    QString folder_;
    RecordVersions::Version kept_;
    QString error_;
    bool copyGivenUp_ = false;
};
