#pragma once

#include "store/FileFingerprint.h"
#include "system/Cp950Writer.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// A data file's text written as it is made: converted to code page 950 and written piece by
// piece (Cp950Writer, FileWriter), so that neither the text nor its bytes are ever held whole,
// and fingerprinted on the way.
namespace TextFile {

// Adds the text to the writer.
using Text = std::function<void(Cp950Writer& out)>;
// Called before the file is replaced: with the version of the new bytes once they are complete
// beside it, or, when the file is written in place, with none before anything is written.
using BeforeReplace = std::function<void(const std::optional<FileFingerprint>& written)>;

// Replaces the file in one step with the text; written, when given, gets its version.
bool write(const QString& path, const Text& text, QString* error,
           FileFingerprint* written = nullptr, const BeforeReplace& beforeReplace = {});

// The text's bytes.
QByteArray bytes(const Text& text);

} // namespace TextFile
