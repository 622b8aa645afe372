#include "export/CsvExport.h"
#include "platform/Cp950.h"
#include "platform/MessageBox.h"
#include "support/MainFormHarness.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <ostream>

// Failures show the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {
const QString kHeader = QStringLiteral("日期,類別,分類,借用人,借用內容,金額,預計歸還日,狀態\r\n");
const QString kLent = QStringLiteral("借出");
const QString kBorrowed = QStringLiteral("借入");
const QString kOut = QStringLiteral("未歸還");

class Export : public ::testing::Test
{
protected:
    // Exports what the list shows now and returns the file named after the direction filter.
    QByteArray exportAs(const QString& baseName)
    {
        CsvExport::Date_Export_Click(h.form());
        return h.dir().read(baseName + QStringLiteral(".csv"));
    }
    // The same, read back from code page 950.
    QString exportTextAs(const QString& baseName) { return Cp950::decode(exportAs(baseName)); }

    MainFormHarness h;
};
} // namespace

TEST_F(Export, EmptyListReplacesAnEarlierFileWithTheHeaderLineOnly)
{
    h.dir().write(QStringLiteral("全部.csv"), QByteArray(4096, 'x'));
    h.start();
    EXPECT_EQ(exportAs(QStringLiteral("全部")), big5(kHeader));
}

TEST_F(Export, WritesEveryShownRowInListOrderWithFieldsInColumnOrder)
{
    h.addRecord("2026/01/02", kLent, "書", "王小明", "三國演義", "", "2026/02/01", kOut);
    h.addRecord("2026/01/03", kBorrowed, "錢", "李大華", "午餐費", "150", "", "2026/01/10");
    h.start();
    EXPECT_EQ(exportAs(QStringLiteral("全部")),
              big5(kHeader + "2026/01/02,借出,書,王小明,三國演義,,2026/02/01,未歸還\r\n" +
                   "2026/01/03,借入,錢,李大華,午餐費,150,,2026/01/10\r\n"));
}

TEST_F(Export, TrimsTrailingSpacesButNotLeadingOnesNorTheDateOrContent)
{
    h.addRecord("2026/01/02 ", kLent + "  ", " 書 ", "  王小明  ", " 筆記本  ", "100 ", "   ",
                kOut + "\t ");
    h.start();
    EXPECT_EQ(exportTextAs(QStringLiteral("全部")),
              kHeader + "2026/01/02 ,借出, 書,  王小明, 筆記本  ,100,,未歸還\t\r\n");
}

TEST_F(Export, ContentLosesItsCommasAndKeepsToOneLine)
{
    h.addRecord("2026/01/02", kLent, "文具", "王小明", "紅筆, 藍筆\r\n橡皮擦,,尺 ", "", "", kOut);
    h.addRecord("2026/01/03", kLent, "文具", "李大華", "\r\n\r\n", "", "", kOut);
    h.start();
    EXPECT_EQ(exportTextAs(QStringLiteral("全部")),
              kHeader + "2026/01/02,借出,文具,王小明,紅筆 藍筆 橡皮擦尺 ,,,未歸還\r\n" +
                  "2026/01/03,借出,文具,李大華,  ,,,未歸還\r\n");
}

TEST_F(Export, QuotesFieldsThatWouldOtherwiseSplitTheLine)
{
    // A comma in the borrower or the category, a quote in the borrower or the content, a lone
    // line break left in the content: each stays one field of one record. Quotes do not survive
    // the record file, so these records join the table after start-up.
    MainForm& f = h.start();
    h.addRecord("2026/01/02", kLent, "書,雜誌", "王\"小\"明  ", "上冊\n下冊", "", "", kOut);
    h.addRecord("2026/01/03", kLent, "書", "李,大華", "第\"一\"集", "", "", kOut);
    f.MainDataShow();
    EXPECT_EQ(exportTextAs(QStringLiteral("全部")),
              kHeader +
                  "2026/01/02,借出,\"書,雜誌\",\"王\"\"小\"\"明\",\"上冊\n下冊\",,,未歸還\r\n" +
                  "2026/01/03,借出,書,\"李,大華\",\"第\"\"一\"\"集\",,,未歸還\r\n");
}

TEST_F(Export, FileIsNamedAfterTheDirectionFilterAndHoldsOnlyShownRows)
{
    h.addRecord("2026/01/02", kLent, "書", "王小明", "小說", "", "", kOut);
    h.addRecord("2026/01/03", kBorrowed, "書", "李大華", "字典", "", "", kOut);
    MainForm& f = h.start();
    const QString lentLine = QStringLiteral("2026/01/02,借出,書,王小明,小說,,,未歸還\r\n");
    const QString borrowedLine = QStringLiteral("2026/01/03,借入,書,李大華,字典,,,未歸還\r\n");

    f.selectDirectionFilter(1);
    EXPECT_EQ(exportTextAs(QStringLiteral("借出")), kHeader + lentLine);
    f.selectDirectionFilter(2);
    EXPECT_EQ(exportTextAs(QStringLiteral("借入")), kHeader + borrowedLine);
    f.selectDirectionFilter(0);
    f.selectStatusFilter(2); // nothing returned: the rows, not the name, follow this filter
    EXPECT_EQ(exportAs(QStringLiteral("全部")), big5(kHeader));

    // The three exports lie side by side.
    for (const char* name : {"全部.csv", "借出.csv", "借入.csv"})
        EXPECT_TRUE(h.dir().exists(QString::fromUtf8(name))) << name;
}

TEST_F(Export, TellsWhereTheFileWentUnderTheProgramTitle)
{
    h.start().selectDirectionFilter(1);
    CsvExport::Date_Export_Click(h.form());
    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& shown = MessageBox::history().first();
    EXPECT_EQ(shown.title, QStringLiteral("Tovi"));
    EXPECT_EQ(shown.text, QStringLiteral("匯出完成，檔案已存至 ") + h.dir().path("借出.csv"));
    EXPECT_EQ(shown.icon, MessageBox::NoIcon);
    EXPECT_EQ(shown.buttons, MessageBox::Buttons(MessageBox::Ok));
    EXPECT_FALSE(shown.isInput);
}

TEST_F(Export, FileThatCannotBeWrittenIsReportedInsteadOfCompletion)
{
    // A folder standing where the file should go cannot be replaced by it.
    ASSERT_TRUE(QDir(h.dir().dir()).mkdir(QStringLiteral("全部.csv")));
    h.addRecord("2026/01/02", kLent, "書", "王小明", "小說", "", "", kOut);
    h.start();
    CsvExport::Date_Export_Click(h.form());

    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& shown = MessageBox::history().first();
    EXPECT_EQ(shown.title, MessageBox::WarningTitle);
    EXPECT_EQ(shown.icon, MessageBox::Exclamation);
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("無法匯出到 ") + h.dir().path("全部.csv")))
        << shown.text.toStdString();
    EXPECT_TRUE(QFileInfo(h.dir().path("全部.csv")).isDir());
    // No temporary file is left behind either.
    EXPECT_EQ(QDir(h.dir().dir()).entryList({QStringLiteral("全部*")}, QDir::Files), QStringList());
}
