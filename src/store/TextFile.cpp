#include "store/TextFile.h"

#include "system/FileWriter.h"

namespace TextFile {

bool write(const QString& path, const Text& text, QString* error, FileFingerprint* written,
           const BeforeReplace& beforeReplace)
{
    FileWriter file(path);
    if (beforeReplace && file.inPlace())
        beforeReplace(std::nullopt);
    if (!file.open(error))
        return false;
    FileFingerprint::Builder version;
    Cp950Writer out([&](QByteArrayView block) {
        version.add(block);
        return file.write(block);
    });
    text(out);
    // A failed write is told by the commit.
    if (out.finish() && beforeReplace && !file.inPlace())
        beforeReplace(version.result());
    if (!file.commit(error))
        return false;
    if (written)
        *written = version.result();
    return true;
}

QByteArray bytes(const Text& text)
{
    QByteArray bytes;
    Cp950Writer out([&](QByteArrayView block) {
        bytes.append(block);
        return true;
    });
    text(out);
    out.finish();
    return bytes;
}

} // namespace TextFile
