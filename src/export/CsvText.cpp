#include "export/CsvText.h"

namespace {
constexpr int kDateColumn = 0;
constexpr int kContentColumn = 4;
} // namespace

namespace CsvText {

QString withoutTrailingSpaces(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    return text;
}

QString contentText(QString content)
{
    content.remove(u',');
    content.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return content;
}

QString quoted(const QString& field)
{
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                             field.contains(u'\r') || field.contains(u'\n');
    if (!needsQuotes)
        return field;
    QString inner = field;
    inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString line(const QStringList& cells)
{
    QStringList fields;
    fields.reserve(cells.size());
    for (int column = 0; column < cells.size(); ++column) {
        const QString& cell = cells.at(column);
        if (column == kDateColumn)
            fields.append(quoted(cell));
        else if (column == kContentColumn)
            fields.append(quoted(contentText(cell)));
        else
            fields.append(quoted(withoutTrailingSpaces(cell)));
    }
    return fields.join(u',') + LineEnd;
}

} // namespace CsvText
