#include "export/CsvExport.h"
#include "support/TestSupport.h"
#include "system/Cp950.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kHeader = "日期,類別,分類,借用人,借用內容,金額,預計歸還日,狀態\r\n";

TEST(CsvExport, WritesTheRecordsInOrderEachFieldOnOneLineOfItsOwn)
{
    TempAppDir app;
    app.write("全部.csv", QByteArray(4096, 'x'));
    const QList<LoanRecord> records{
        {"2026/01/02", "借出", "書", "王小明", "三國演義", "", "2026/02/01", "未歸還"},
        {"2026/01/03", "借入", "錢", "李大華", "午餐費", "150", "", "2026/01/10"},
        // Trailing spaces go but for the date and the content; leading ones stay.
        {"2026/01/02 ", "借出  ", " 書 ", "  王小明  ", " 筆記本  ", "100 ", "   ", "未歸還\t "},
        // The content loses its commas and keeps to one line.
        {"2026/01/02", "借出", "文具", "王", "紅筆, 藍筆\r\n橡皮擦,,尺 ", "", "", "未歸還"},
        {"2026/01/03", "借出", "文具", "李", "\r\n\r\n", "", "", "未歸還"},
        // A comma, a quote or a lone line break would split the line: the field is quoted.
        {"2026/01/02", "借出", "書,雜誌", "王\"小\"明  ", "上冊\n下冊", "", "", "未歸還"},
        {"2026/01/03", "借出", "書", "李,大華", "第\"一\"集", "", "", "未歸還"},
    };
    const CsvExport::Outcome outcome = CsvExport::write(records, "全部", app.dir());
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.path, app.path("全部.csv"));
    EXPECT_EQ(Cp950::decode(app.read("全部.csv")),
              kHeader + "2026/01/02,借出,書,王小明,三國演義,,2026/02/01,未歸還\r\n" +
                  "2026/01/03,借入,錢,李大華,午餐費,150,,2026/01/10\r\n" +
                  "2026/01/02 ,借出, 書,  王小明, 筆記本  ,100,,未歸還\t\r\n" +
                  "2026/01/02,借出,文具,王,紅筆 藍筆 橡皮擦尺 ,,,未歸還\r\n" +
                  "2026/01/03,借出,文具,李,  ,,,未歸還\r\n" +
                  "2026/01/02,借出,\"書,雜誌\",\"王\"\"小\"\"明\",\"上冊\n下冊\",,,未歸還\r\n" +
                  "2026/01/03,借出,書,\"李,大華\",\"第\"\"一\"\"集\",,,未歸還\r\n");

    // No records: an earlier file gives way to the header line alone.
    EXPECT_TRUE(CsvExport::write({}, "全部", app.dir()).written);
    EXPECT_EQ(app.read("全部.csv"), big5(kHeader));
}

TEST(CsvExport, AFileThatCannotBeWrittenIsReportedAndLeavesNothingBehind)
{
    TempAppDir app;
    // A folder standing where the file should go cannot be replaced by it.
    ASSERT_TRUE(QDir(app.dir()).mkdir("借入.csv"));
    const CsvExport::Outcome outcome = CsvExport::write({{}}, "借入", app.dir());
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.path, app.path("借入.csv"));
    EXPECT_EQ(outcome.error, "這是一個資料夾，不是檔案");
    EXPECT_TRUE(QFileInfo(app.path("借入.csv")).isDir());
    EXPECT_EQ(QDir(app.dir()).entryList({"借入*"}, QDir::Files), QStringList());
}

} // namespace
