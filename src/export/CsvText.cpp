#include "export/CsvText.h"

namespace {
constexpr int kDateColumn = 0;
constexpr int kContentColumn = 4;

QStringView withoutTrailingSpaces(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.first(end);
}

// A field's text as runs of its own characters, handed to take one after the other.
using Runs = std::function<void(const std::function<void(QStringView run)>& take)>;

// The content's runs: its commas left out, and a space in place of each CR LF pair they part or
// stand beside.
Runs contentRuns(QStringView content)
{
    return [content](const std::function<void(QStringView)>& take) {
        qsizetype run = 0;
        for (qsizetype at = 0; at < content.size(); ++at) {
            if (content[at] == u',') {
                take(content.sliced(run, at - run));
                run = at + 1;
            } else if (content[at] == u'\r') {
                qsizetype next = at + 1;
                while (next < content.size() && content[next] == u',')
                    ++next;
                if (next < content.size() && content[next] == u'\n') {
                    take(content.sliced(run, at - run));
                    take(u" ");
                    run = next + 1;
                    at = next;
                }
            }
        }
        take(content.sliced(run));
    };
}

bool breaksTheLine(QStringView run)
{
    for (const QChar c : run) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

void writeField(Cp950Writer& out, const Runs& runs)
{
    bool quoted = false;
    runs([&](QStringView run) { quoted = quoted || breaksTheLine(run); });
    if (!quoted) {
        runs([&](QStringView run) { out.add(run); });
        return;
    }
    out.add(u'"');
    runs([&](QStringView run) {
        for (qsizetype quote = run.indexOf(u'"'); quote >= 0; quote = run.indexOf(u'"')) {
            out.add(run.first(quote + 1));
            out.add(u'"');
            run = run.sliced(quote + 1);
        }
        out.add(run);
    });
    out.add(u'"');
}

Runs whole(QStringView text)
{
    return [text](const std::function<void(QStringView)>& take) { take(text); };
}
} // namespace

namespace CsvText {

void writeLine(Cp950Writer& out, const LoanRecord& record)
{
    for (int column = 0; column < LoanRecord::FieldCount; ++column) {
        const QString& cell = record.field(column);
        if (column > 0)
            out.add(u',');
        const QStringView text = column == kDateColumn || column == kContentColumn
                                     ? QStringView(cell)
                                     : withoutTrailingSpaces(cell);
        // Most fields go out as they are: nothing to leave out, part or quote.
        if (!breaksTheLine(text))
            out.add(text);
        else if (column == kContentColumn)
            writeField(out, contentRuns(text));
        else
            writeField(out, whole(text));
    }
    out.add(LineEnd);
}

} // namespace CsvText
