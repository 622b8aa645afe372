#include "WorstCase.h"

#include "SampleRegister.h"

namespace {

// Text of the kind a long note holds, repeated as long as needed: Chinese characters and
// full-width punctuation only, two bytes each in code page 950.
const QString kProse = QStringLiteral(
    "借給鄰居的露營帳篷已經提醒過兩次，說好下個月中旬前要還，盒子有點破損但配件都在。"
    "外接硬碟裡有去年的旅行照片，請他用完之後先備份再歸還，另外附上說明書與收納袋。");

constexpr int kBigLineCharacters = 49;
constexpr int kBigLineBytes = 2 * kBigLineCharacters + 2;

// `characters` characters of the prose, starting `from` characters into it.
QString prose(qsizetype characters, qsizetype from)
{
    QString text;
    text.reserve(characters);
    while (text.size() < characters) {
        const qsizetype at = (from + text.size()) % kProse.size();
        text +=
            QStringView(kProse).sliced(at, std::min(kProse.size() - at, characters - text.size()));
    }
    return text;
}

// A content taking fileBytes bytes of the record file, in lines of kBigLineCharacters.
QString bigContent(qsizetype fileBytes)
{
    const qsizetype lines = std::max<qsizetype>(1, fileBytes / kBigLineBytes);
    QString content;
    content.reserve(lines * (kBigLineCharacters + 2));
    for (qsizetype line = 0; line < lines; ++line) {
        if (line > 0)
            content += QLatin1String("\r\n");
        content += prose(kBigLineCharacters, line);
    }
    return content;
}

} // namespace

namespace WorstCase {

QList<LoanRecord> longContents(int count, int characters, int lines)
{
    QList<LoanRecord> records = SampleRegister::records(count);
    for (qsizetype i = 0; i < records.size(); ++i) {
        QString content;
        content.reserve(characters + 2 * lines);
        for (int line = 0; line < lines; ++line) {
            if (line > 0)
                content += QLatin1String("\r\n");
            const int length = characters / lines + (line < characters % lines ? 1 : 0);
            content += prose(length, i + line);
        }
        records[i].Content = content;
    }
    return records;
}

QList<LoanRecord> oneBigContent(qsizetype fileBytes, int count)
{
    QList<LoanRecord> records = SampleRegister::records(count);
    records.last().Content = bigContent(fileBytes);
    return records;
}

} // namespace WorstCase
