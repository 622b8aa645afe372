#include "ui/main/LoadProblems.h"

#include "ui/widgets/MessageBox.h"

#include <algorithm>

namespace {

// "11、20、35", or the first ten and "等 N" for more.
QString lineList(const QList<qsizetype>& lines)
{
    constexpr qsizetype kShown = 10;
    QStringList shown;
    for (qsizetype i = 0; i < std::min(lines.size(), kShown); ++i)
        shown.append(QString::number(lines[i]));
    QString text = shown.join(QStringLiteral("、"));
    if (lines.size() > kShown)
        text += QStringLiteral(" 等 %1").arg(lines.size());
    return text;
}

QString problemText(const FileProblem& p)
{
    switch (p.kind) {
    case FileProblem::Kind::Unreadable:
        return QStringLiteral("無法讀取檔案 "
                              "%1（%2）。\n程式以空白的資料開始；這個檔案不會被覆寫，除非您同意。")
            .arg(p.file, p.reason);
    case FileProblem::Kind::Undecodable:
        return QStringLiteral("檔案 %1 含有無法辨識的文字，這些字元已以「\uFFFD」顯示。")
            .arg(p.file);
    case FileProblem::Kind::Damaged:
        return QStringLiteral("檔案 %1 第 %2 行的格式有誤，已盡量讀入；其他的資料不受影響。")
            .arg(p.file, lineList(p.lines));
    case FileProblem::Kind::TooMany:
        return QStringLiteral("檔案 %1 的資料超過程式能容納的筆數，只載入了前面的部分。")
            .arg(p.file);
    case FileProblem::Kind::NotConverted:
        return QStringLiteral(
                   "無法建立 %1（%2），舊版資料沒有轉換；資料仍保留在程式中，結束時會再儲存一次。")
            .arg(p.file, p.reason);
    }
    return {};
}

} // namespace

namespace LoadProblems {

void report(QWidget* parent, const QList<FileProblem>& problems)
{
    for (qsizetype i = 0; i < problems.size();) {
        const FileProblem& first = problems[i];
        QStringList texts;
        for (; i < problems.size() && problems[i].file == first.file; ++i)
            texts.append(problemText(problems[i]));
        QString text = texts.join(u'\n');
        if (!first.copy.isEmpty())
            text += QStringLiteral("\n原來的檔案已另存為 %1。").arg(first.copy);
        else if (!first.copyError.isEmpty())
            text += QStringLiteral("\n無法另存原來的檔案（%1）；這個檔案不會被覆寫，除非您同意。")
                        .arg(first.copyError);
        MessageBox::warning(parent, text);
    }
}

} // namespace LoadProblems
