#include "store/FieldReader.h"

namespace {
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}
} // namespace

bool FieldReader::atEnd() const
{
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        if (!isLineEnd(text_[i]))
            return false;
    }
    return true;
}

QString FieldReader::next()
{
    const qsizetype size = text_.size();
    if (pos_ >= size)
        return {};
    QString field;
    if (text_[pos_] == u'"') {
        qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0)
            close = size;
        field = text_.sliced(pos_ + 1, close - pos_ - 1).toString();
        pos_ = close + 1;
        // Anything between the closing quote and the delimiter is not part of a field.
        while (pos_ < size && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        qsizetype end = pos_;
        while (end < size && text_[end] != u',' && !isLineEnd(text_[end]))
            ++end;
        field = text_.sliced(pos_, end - pos_).toString();
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
