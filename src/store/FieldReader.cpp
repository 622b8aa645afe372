#include "store/FieldReader.h"

#include <algorithm>

namespace {
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
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

QStringView FieldReader::nextView()
{
    const qsizetype size = text_.size();
    if (pos_ >= size)
        return {};
    QStringView field;
    if (text_[pos_] == u'"') {
        // Fields are short: a plain scan is cheaper here than a general string search.
        const QChar* begin = text_.data();
        const qsizetype close = std::find(begin + pos_ + 1, begin + size, u'"') - begin;
        field = text_.sliced(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Anything between the closing quote and the delimiter is not part of a field.
        while (pos_ < size && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        qsizetype end = pos_;
        while (end < size && text_[end] != u',' && !isLineEnd(text_[end]))
            ++end;
        field = text_.sliced(pos_, end - pos_);
        pos_ = end;
    }
    skipDelimiter();
    return field;
}

void FieldReader::skipDelimiter()
{
    if (pos_ >= text_.size())
        return;
    const QChar c = text_[pos_++];
    if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
}
