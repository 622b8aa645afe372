#include "export/CsvExport.h"

#include "export/CsvText.h"
#include "platform/Cp950.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "store/LoanRecord.h"
#include "ui/main/MainForm.h"
#include "ui/main/RecordListModel.h"

namespace {
const QString kProgramTitle = QStringLiteral("Tovi");

// "全部", "借出" or "借入" for the direction filter's options 0, 1 and 2.
QString baseName(int directionFilter)
{
    switch (directionFilter) {
    case 0:
        return Texts::All;
    case 1:
        return Texts::LentOut;
    case 2:
        return Texts::BorrowedIn;
    default:
        return {};
    }
}

// The header line and one line per row of the record list, top to bottom.
QString documentText(const RecordListModel& rows)
{
    QString text = CsvText::Header + CsvText::LineEnd;
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        QStringList cells;
        for (int column = 0; column < LoanRecord::FieldCount; ++column)
            cells.append(rows.text(row, column));
        text += CsvText::line(cells);
    }
    return text;
}
} // namespace

namespace CsvExport {

void Date_Export_Click(MainForm& main)
{
    const QString path =
        main.store().AppDir() + baseName(main.directionFilter()) + QStringLiteral(".csv");
    QString error;
    // Written whole through a temporary file: a failed export leaves any earlier file intact.
    if (!FileSystem::writeAll(path, Cp950::encode(documentText(main.listModel())), &error)) {
        MessageBox::warning(&main, QStringLiteral("無法匯出到 %1（%2）").arg(path, error));
        return;
    }
    MessageBox::show(&main, QStringLiteral("匯出完成，檔案已存至 ") + path, kProgramTitle,
                     MessageBox::NoIcon, MessageBox::Ok, MessageBox::Ok);
}

} // namespace CsvExport
