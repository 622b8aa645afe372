#include "InteractionRegisters.h"

#include "SampleRegister.h"
#include "store/DataStore.h"
#include "system/Cp950.h"

#include <stdexcept>

namespace {

constexpr int kBigLineCharacters = 49;
constexpr int kClauseCharacters = 12;

// The 5,401 common characters of Big5 (A440 to C67E), each once, so that long texts need as many
// glyphs as a text can: the first paint or layout of a text at a font pays for every new glyph.
const QString& commonCharacters()
{
    static const QString characters = [] {
        QByteArray bytes;
        for (int lead = 0xA4; lead <= 0xC6; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if ((trail > 0x7E && trail < 0xA1) || (lead == 0xC6 && trail > 0x7E))
                    continue;
                bytes += static_cast<char>(lead);
                bytes += static_cast<char>(trail);
            }
        }
        return Cp950::decode(bytes);
    }();
    return characters;
}

// Characters of the common set in a fixed scattered order, a full-width comma after every twelve.
QChar proseAt(qsizetype n)
{
    if (n % (kClauseCharacters + 1) == kClauseCharacters)
        return QChar(0xFF0C);
    const QString& characters = commonCharacters();
    return characters.at((n * 2971) % characters.size());
}

void require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

// `lines` lines of the prose, the first of them `from` characters into it.
QString prose(int lines, int characters, qsizetype from)
{
    QString text;
    text.reserve(lines * (characters + 2));
    for (int line = 0; line < lines; ++line) {
        if (line > 0)
            text += QLatin1String("\r\n");
        const int length = characters / lines + (line < characters % lines ? 1 : 0);
        for (int c = 0; c < length; ++c)
            text += proseAt(from + text.size());
    }
    return text;
}

// The names followed by pieces of the prose, two to eight characters long, up to count names.
QStringList filled(QStringList names, int count)
{
    for (int n = 0; names.size() < count; ++n)
        names.append(prose(1, 2 + n % 7, 5 * n));
    return names;
}

} // namespace

namespace InteractionRegisters {

QList<LoanRecord> typical(int count)
{
    QList<LoanRecord> records = SampleRegister::records(count);
    records.last().Status = Texts::NotReturned;
    return records;
}

QList<LoanRecord> longContents(int count, int characters, int lines)
{
    QList<LoanRecord> records = typical(count);
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].Content = prose(lines, characters, i);
    return records;
}

QList<LoanRecord> oneBigContent(int count, int lines)
{
    QList<LoanRecord> records = typical(count);
    records.last().Content = prose(lines, lines * kBigLineCharacters, 0);
    return records;
}

void write(const QString& appDir, const QList<LoanRecord>& records, bool fullLists)
{
    require(commonCharacters().size() == 5401 && Cp950::canEncode(commonCharacters()),
            "the common characters are not those of Big5");
    QString error;
    require(SampleRegister::write(appDir, records, &error),
            "cannot write the sample register: " + error.toStdString());
    if (!fullLists)
        return;
    DataStore store(appDir);
    ReferenceLists& lists = store.lists();
    lists.categories.assign(filled(SampleRegister::categories(), lists.categories.capacity()));
    lists.items.assign(filled({}, lists.items.capacity()));
    lists.borrowers.assign(filled({}, lists.borrowers.capacity()));
    require(store.saveList(lists.categories, DataFiles::Categories, &error) &&
                store.saveList(lists.items, DataFiles::Items, &error) &&
                store.saveList(lists.borrowers, DataFiles::Borrowers, &error),
            "cannot write the lists: " + error.toStdString());
}

} // namespace InteractionRegisters
