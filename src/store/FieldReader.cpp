#include "store/FieldReader.h"

#include <algorithm>

namespace {
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isDelimiter(QChar c)
{
    return c == u',' || isLineEnd(c);
}
} // namespace

bool FieldReader::atEnd() const
{
    // A run of line ends is scanned once, not again before every record read from it.
    contentFrom_ = std::max(contentFrom_, pos_);
    while (contentFrom_ < text_.size() && isLineEnd(text_[contentFrom_]))
        ++contentFrom_;
    return contentFrom_ >= text_.size();
}

// Leaves pos_ on the delimiter after the field, or at the end of the text.
inline QStringView FieldReader::field(bool& damaged)
{
    const QChar* begin = text_.data();
    const qsizetype size = text_.size();
    const qsizetype open = pos_;
    if (open >= size || begin[open] != u'"') {
        pos_ = delimiterFrom(open);
        return QStringView(begin + open, pos_ - open);
    }
    // Fields are short: a plain scan is cheaper here than a general string search. No later field
    // opens before the quote this scan ends at, so the text is scanned once.
    const qsizetype close = std::find(begin + open + 1, begin + size, u'"') - begin;
    if (close + 1 < size ? isDelimiter(begin[close + 1]) : close + 1 == size) {
        pos_ = close + 1;
        return QStringView(begin + open + 1, close - open - 1);
    }
    damaged = true;
    return unclosedField(open, close);
}

void FieldReader::readRecord(QStringView* fields, qsizetype count)
{
    // Empty lines before a record: no record, but the file would not be written back the same.
    if (pos_ < text_.size() && isLineEnd(text_[pos_])) {
        atEnd();
        damaged_.append(pos_);
        pos_ = contentFrom_;
    }
    const qsizetype start = pos_;
    bool damaged = false;
    qsizetype read = 0;
    for (;;) {
        const QStringView value = field(damaged);
        if (read < count)
            fields[read] = value;
        ++read;
        if (pos_ >= text_.size() || text_[pos_] != u',')
            break;
        ++pos_;
    }
    for (qsizetype f = read; f < count; ++f)
        fields[f] = {};
    if (damaged || read != count)
        damaged_.append(start);
    skipLineEnd();
}

// A quoted field whose closing quote is missing, or followed by something else than a delimiter.
QStringView FieldReader::unclosedField(qsizetype open, qsizetype close)
{
    // A "closing" quote on a later line that text follows is most likely the next line's opening
    // one: this field lacks its closing quote and ends with its line.
    const qsizetype lineEnd = lineEndFrom(open + 1, close);
    if (lineEnd < close || close == text_.size()) {
        pos_ = lineEnd;
        return text_.sliced(open + 1, lineEnd - open - 1);
    }
    // A comma just before a quote that text follows: the quote opens the next field.
    if (close - 1 > open && text_[close - 1] == u',') {
        pos_ = close - 1;
        return text_.sliced(open + 1, close - 2 - open);
    }
    // Text after a closing quote belongs to no field.
    pos_ = delimiterFrom(close + 1);
    return text_.sliced(open + 1, close - open - 1);
}

qsizetype FieldReader::delimiterFrom(qsizetype from) const
{
    const QChar* begin = text_.data();
    while (from < text_.size() && !isDelimiter(begin[from]))
        ++from;
    return from;
}

// The first line end in [from, to), or to.
qsizetype FieldReader::lineEndFrom(qsizetype from, qsizetype to) const
{
    while (from < to && !isLineEnd(text_[from]))
        ++from;
    return from;
}

void FieldReader::skipLineEnd()
{
    if (pos_ >= text_.size())
        return;
    const QChar c = text_[pos_++];
    if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
}

QList<qsizetype> FieldReader::damagedLines() const
{
    QList<qsizetype> lines;
    lines.reserve(damaged_.size());
    qsizetype line = 1;
    qsizetype at = 0;
    for (const qsizetype offset : damaged_) {
        // CR LF, a lone CR and a lone LF each end one line.
        for (; at < offset; ++at) {
            const QChar c = text_[at];
            if (c == u'\n' || (c == u'\r' && (at + 1 >= text_.size() || text_[at + 1] != u'\n')))
                ++line;
        }
        lines.append(line);
    }
    return lines;
}
