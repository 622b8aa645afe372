#include "FileSizeLimit.h"
#include "support/WindowHarness.h"
#include "ui/widgets/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTableView>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

// Values the program never writes, under every key it reads: each start takes that key's default,
// shows no message, and the next close stores a value of the program's own.
namespace {

using Prepare = std::function<void(WindowHarness&)>;
// How a key's value shows in the started window, as text that can be compared.
using Observe = std::function<QString(WindowHarness&)>;

struct KeyCase
{
    QString key;
    QStringList bad;
    QString good; // a value the program itself could write, that differs from the default
    Observe observe;
    Prepare prepare = [](WindowHarness&) {};
};

const QStringList kNotNumbers{QStringLiteral("abc"), QString(), QStringLiteral("12abc"),
                              QStringLiteral("nan")};
const QStringList kHuge{QStringLiteral("1e308"), QStringLiteral("99999999999"),
                        QStringLiteral("-99999999999"), QStringLiteral("inf")};

// Window position and size are read only for a window that was last closed in the normal state.
void normalWindow(WindowHarness& h)
{
    h.settings().setValue(QStringLiteral("WinState"), QStringLiteral("0"));
}

void twoCategories(WindowHarness& h)
{
    h.writeListFile(DataFiles::Categories, {QStringLiteral("書籍"), QStringLiteral("工具")});
}

QString checkedFonts(WindowHarness& h)
{
    QString text = QString::number(h.list()->font().pointSize()) + u':';
    for (int size = 9; size <= 16; ++size) {
        if (h.isChecked(MainMenuItems::fontSize(size)))
            text += QString::number(size) + u' ';
    }
    return text;
}

QList<KeyCase> keyCases()
{
    QList<KeyCase> cases;
    for (int n = 1; n <= 8; ++n) {
        cases.append({QStringLiteral("LW%1").arg(n), kNotNumbers + kHuge + QStringList{"-15"},
                      QStringLiteral("2985"), [n](WindowHarness& h) {
                          return QString::number(h.list()->columnWidth(n - 1));
                      }});
    }
    cases.append({QStringLiteral("WinState"),
                  kNotNumbers + kHuge + QStringList{"-1", "1", "3", "0.5"}, QStringLiteral("0"),
                  [](WindowHarness& h) { return QString::number(h.window().windowState()); }});
    const auto position = [](bool left) {
        return [left](WindowHarness& h) {
            const QRect frame = h.window().frameGeometry();
            return QString::number(left ? frame.left() : frame.top());
        };
    };
    cases.append({QStringLiteral("Left"), kNotNumbers + kHuge, QStringLiteral("1500"),
                  position(true), normalWindow});
    cases.append({QStringLiteral("Top"), kNotNumbers + kHuge, QStringLiteral("1500"),
                  position(false), normalWindow});
    const auto size = [](bool width) {
        return [width](WindowHarness& h) {
            const QRect frame = h.window().frameGeometry();
            return QString::number(width ? frame.width() : frame.height());
        };
    };
    cases.append({QStringLiteral("Width"), kNotNumbers + kHuge + QStringList{"-150"},
                  QStringLiteral("13500"), size(true), normalWindow});
    cases.append({QStringLiteral("Height"), kNotNumbers + kHuge + QStringList{"-150"},
                  QStringLiteral("10500"), size(false), normalWindow});
    cases.append({QStringLiteral("Font"),
                  kNotNumbers + kHuge + QStringList{"-9", "0", "8", "17", "12.5"},
                  QStringLiteral("12"), checkedFonts});
    for (const QString& key : {QStringLiteral("Option1"), QStringLiteral("Option2")}) {
        cases.append({key, kNotNumbers + kHuge + QStringList{"-1", "3", "1.5"}, QStringLiteral("2"),
                      [key](WindowHarness& h) {
                          return QString::number(h.checkedOption(key.toLatin1().constData()));
                      }});
    }
    // Two categories make four entries: "全部", 書籍, 工具, "未分類".
    cases.append(
        {QStringLiteral("Combo1"), kNotNumbers + kHuge + QStringList{"-1", "4", "1.5"},
         QStringLiteral("3"),
         [](WindowHarness& h) { return QString::number(h.categoryFilter()->currentIndex()); },
         twoCategories});
    return cases;
}

// Starts the program with one stored value, or none, and tells what it shows.
QString startWith(const KeyCase& c, const std::optional<QString>& value,
                  bool* programWroteIt = nullptr)
{
    WindowHarness h;
    c.prepare(h);
    if (value)
        h.settings().setValue(c.key, *value);
    auto& w = h.start();
    const QString shown = c.observe(h);
    EXPECT_TRUE(MessageBox::history().isEmpty()) << MessageBox::history()[0].text.toStdString();
    EXPECT_TRUE(w.close());
    if (programWroteIt) {
        bool whole = false;
        SettingsStore().value(c.key, {}).toInt(&whole);
        *programWroteIt = whole;
    }
    return shown;
}

TEST(StoredSettings, EveryKeyFallsBackToItsDefaultOnValuesTheProgramNeverWrites)
{
    for (const KeyCase& c : keyCases()) {
        const QString byDefault = startWith(c, std::nullopt);
        // The key is read at all: a value the program writes shows.
        EXPECT_NE(startWith(c, c.good), byDefault) << c.key.toStdString();
        for (const QString& value : c.bad) {
            SCOPED_TRACE((c.key + QStringLiteral("=") + value).toStdString());
            bool rewritten = false;
            EXPECT_EQ(startWith(c, value, &rewritten), byDefault);
            EXPECT_TRUE(rewritten) << "the close stores a whole number of the program's own";
        }
    }
}

// A settings file of bytes in no settings format reads as no settings. The close writes it over,
// and says so only when that write fails: at the start, and again when another program writes
// such bytes over it meanwhile.
TEST(StoredSettings, ASettingsFileOfOtherBytesIsWrittenOverAndOnlyAFailedWriteIsTold)
{
    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull ? "disk full at the close" : "room on the disk");
        MessageBox::clearHistory();
        WindowHarness h;
        QFile file(h.dir().settingsDir() + QStringLiteral("/Tovi.ini"));
        const auto writeOtherBytes = [&] {
            QByteArray bytes(4096, '\0');
            QRandomGenerator(18).fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                           bytes.size() / 4);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
        };
        writeOtherBytes();
        h.rereadSettings();
        auto& w = h.start();
        h.click(MainWindowControls::directionBorrowedIn);
        writeOtherBytes();
        {
            // Less than the settings take; the empty register's record file fits.
            std::optional<FileSizeLimit> full;
            if (diskFull)
                full.emplace(64);
            EXPECT_TRUE(w.close());
        }
        QStringList told;
        for (const MessageBox::Shown& box : MessageBox::history())
            told.append(box.text);
        EXPECT_EQ(told.filter(QStringLiteral("無法儲存設定到")).size(), diskFull ? 1 : 0)
            << told.join(u'\n').toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().contains("\nOption1=2\n"), !diskFull);
    }
}

// Anything but a file at "Tovi.ini" (here a folder) is never opened: told once, at the start.
TEST(StoredSettings, ASettingsFileThatIsNoFileIsToldOnceAtTheStart)
{
    WindowHarness h;
    const QString file = h.dir().settingsDir() + QStringLiteral("/Tovi.ini");
    ASSERT_TRUE(QDir().mkpath(file));
    h.rereadSettings();
    auto& w = h.start();
    h.trigger(MainMenuItems::fontSize(12));
    EXPECT_TRUE(w.close());
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text,
              QStringLiteral("無法讀取設定檔 %1（這是一個資料夾，不是檔案）。\n這次開啟使用預設的"
                             "視窗大小與位置、欄寬、字型大小和篩選條件，結束時也無法儲存設定。")
                  .arg(file));
    EXPECT_TRUE(QFileInfo(file).isDir());
}

} // namespace
