#include "store/FieldReader.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isDelimiter(QChar c)
{
    return c == u',' || isLineEnd(c);
}

// The double quotes of a text, found 64 characters at a time, and whether line ends lie between
// them.
class QuoteScan
{
public:
    static constexpr qsizetype Block = 64;

    // lineEnds: tell whether line ends lie between the quotes.
    QuoteScan(const char16_t* text, qsizetype size, qsizetype from, bool lineEnds)
        : text_(text), size_(size), block_(from - Block), lineEnds_(lineEnds)
    {
    }

    // Where the next double quote is, or -1 when the text has no more.
    qsizetype next()
    {
        while (quotes_ == 0) {
            block_ += Block;
            if (block_ >= size_)
                return -1;
            endsBefore_ = endsBefore_ || ends_ != 0;
            scan(std::min(Block, size_ - block_));
        }
        const int at = std::countr_zero(quotes_);
        quotes_ &= quotes_ - 1;
        return block_ + at;
    }

    // Whether a line end may lie from where the scan began up to `end`, which lies no further
    // than a block past the last quote given: true for other control characters too, which are
    // rare in a record.
    bool lineEndBefore(qsizetype end) const
    {
        const qsizetype inBlock = end - block_;
        const std::uint64_t below =
            inBlock >= Block ? ~std::uint64_t(0) : (std::uint64_t(1) << inBlock) - 1;
        return endsBefore_ || (ends_ & below) != 0;
    }

private:
    // Sets bit i of the masks when the block's character i is a double quote, or may be a line
    // end, for i < n ≤ Block.
    void scan(qsizetype n)
    {
        const char16_t* at = text_ + block_;
        quotes_ = ends_ = 0;
#if defined(__SSE2__)
        if (n == Block) {
            const __m128i quote = _mm_set1_epi16(u'"');
            // CR and LF, and the control characters 8 to 15 among them, are the characters that
            // are 15 with their three lowest bits set.
            const __m128i low3 = _mm_set1_epi16(7);
            const __m128i lineEnd = _mm_set1_epi16(15);
            for (int i = 0; i < Block; i += 16) {
                const auto* from = reinterpret_cast<const __m128i*>(at + i);
                const __m128i first = _mm_loadu_si128(from);
                const __m128i second = _mm_loadu_si128(from + 1);
                quotes_ |= mask(_mm_cmpeq_epi16(first, quote), _mm_cmpeq_epi16(second, quote), i);
                if (lineEnds_) {
                    ends_ |= mask(_mm_cmpeq_epi16(_mm_or_si128(first, low3), lineEnd),
                                  _mm_cmpeq_epi16(_mm_or_si128(second, low3), lineEnd), i);
                }
            }
            return;
        }
#endif
        for (qsizetype i = 0; i < n; ++i) {
            quotes_ |= std::uint64_t(at[i] == u'"') << i;
            ends_ |= std::uint64_t(lineEnds_ && isLineEnd(at[i])) << i;
        }
    }

#if defined(__SSE2__)
    // The 16 bits of two comparisons of 8 characters each, at bit `at`.
    static std::uint64_t mask(__m128i first, __m128i second, int at)
    {
        return std::uint64_t(unsigned(_mm_movemask_epi8(_mm_packs_epi16(first, second)))) << at;
    }
#endif

    const char16_t* text_;
    qsizetype size_;
    qsizetype block_;
    bool lineEnds_;
    std::uint64_t quotes_ = 0;
    std::uint64_t ends_ = 0;
    bool endsBefore_ = false;
};
} // namespace

bool FieldReader::atEnd()
{
    needsMore_ = false;
    return onlyLineEndsLeft();
}

bool FieldReader::onlyLineEndsLeft()
{
    // A run of line ends is scanned once, not again before every record read from it.
    contentFrom_ = std::max(contentFrom_, pos_);
    while (contentFrom_ < text_.size() && isLineEnd(text_[contentFrom_]))
        ++contentFrom_;
    return pieceEnds(contentFrom_);
}

inline bool FieldReader::pieceEnds(qsizetype at)
{
    if (at < text_.size())
        return false;
    needsMore_ = needsMore_ || more_;
    return true;
}

inline qsizetype FieldReader::closingQuoteFrom(qsizetype from) const
{
    // Most fields are short, and a plain scan finds their end sooner than a string search, which
    // takes a long one many characters a step. No later field opens before the quote the scan ends
    // at, so the text is scanned once.
    constexpr qsizetype kShortField = 64;
    const QChar* begin = text_.data();
    const qsizetype size = text_.size();
    const qsizetype shortEnd = std::min(size, from + kShortField);
    const qsizetype close = std::find(begin + from, begin + shortEnd, u'"') - begin;
    if (close < shortEnd || close == size)
        return close;
    const qsizetype found = text_.sliced(close).indexOf(u'"');
    return found < 0 ? size : close + found;
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
    // A quoted field read before up to the end of a piece is searched from where that search
    // stopped, so that a field longer than many pieces is scanned once, as its text arrives.
    const qsizetype from = open == known_.open ? known_.searched : open + 1;
    const qsizetype close = closingQuoteFrom(from);
    if (more_ && close + 1 >= size)
        open_ = {open, close};
    if (pieceEnds(close + 1) ? close + 1 == size : isDelimiter(begin[close + 1])) {
        pos_ = close + 1;
        return QStringView(begin + open + 1, close - open - 1);
    }
    damaged = true;
    return unclosedField(open, close);
}

// A record as this program writes it, every field quoted, a comma between them and CR LF after, is
// read from the places of its quotes: no branch depends on the length of a field, where a scan
// for each field's end mispredicts once a field. Anything else is left to readRecord().
bool FieldReader::readWrittenRecord(QStringView* fields, qsizetype count)
{
    if (count == 0)
        return false;
    // A field read before up to the end of a piece is searched on where that search stopped.
    if (pos_ <= known_.open)
        return false;
    const char16_t* text = text_.utf16();
    const qsizetype size = text_.size();
    const qsizetype start = pos_;
    // Checked first, so that the search for quotes never runs on past a record written otherwise.
    if (start >= size || text[start] != u'"')
        return false;
    QuoteScan quotes(text, size, start, countLines_);
    qsizetype open = quotes.next();
    for (qsizetype f = 0;; ++f) {
        const qsizetype close = quotes.next();
        if (close < 0 || close + 2 >= size)
            return false;
        fields[f] = QStringView(text + open + 1, close - open - 1);
        if (f + 1 == count) {
            if (text[close + 1] != u'\r' || text[close + 2] != u'\n')
                return false;
            pos_ = close + 3;
            if (countLines_)
                lines_ += quotes.lineEndBefore(close + 1) ? lineEndsIn(start, pos_) : 1;
            return true;
        }
        open = quotes.next();
        if (open != close + 2 || text[close + 1] != u',')
            return false;
    }
}

void FieldReader::readRecord(QStringView* fields, qsizetype count)
{
    needsMore_ = false;
    const qsizetype from = pos_;
    // Empty lines before a record: no record, but the file would not be written back the same.
    if (!pieceEnds(pos_) && isLineEnd(text_[pos_])) {
        onlyLineEndsLeft();
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
        if (pieceEnds(pos_) || text_[pos_] != u',')
            break;
        ++pos_;
    }
    for (qsizetype f = read; f < count; ++f)
        fields[f] = {};
    if (damaged || read != count)
        damaged_.append(start);
    skipLineEnd();
    if (countLines_)
        lines_ += lineEndsIn(from, pos_);
}

FieldReader::Mark FieldReader::mark() const
{
    return {pos_, contentFrom_, damaged_.size(), lines_};
}

void FieldReader::rewind(const Mark& mark)
{
    pos_ = mark.pos;
    contentFrom_ = mark.contentFrom;
    damaged_.resize(mark.damaged);
    lines_ = mark.lines;
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

qsizetype FieldReader::delimiterFrom(qsizetype from)
{
    const QChar* begin = text_.data();
    while (from < text_.size() && !isDelimiter(begin[from]))
        ++from;
    pieceEnds(from);
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
    if (pieceEnds(pos_))
        return;
    const QChar c = text_[pos_++];
    if (c == u'\r' && !pieceEnds(pos_) && text_[pos_] == u'\n')
        ++pos_;
}

qsizetype FieldReader::lineEndsIn(qsizetype from, qsizetype to) const
{
    if (from >= to)
        return 0;
    // CR LF, a lone CR and a lone LF each end one line. This walks the whole text: written without
    // branches, and counted in blocks short enough for a 16-bit count, the compiler takes eight
    // characters a step.
    constexpr qsizetype kBlock = 0x7fff;
    const char16_t* c = text_.utf16();
    const qsizetype last = text_.size() - 1;
    const qsizetype end = std::min(to, last);
    qsizetype count = 0;
    for (qsizetype at = from; at < end;) {
        const qsizetype blockEnd = std::min(end, at + kBlock);
        std::uint16_t inBlock = 0;
        for (; at < blockEnd; ++at)
            inBlock += (c[at] == u'\n') | ((c[at] == u'\r') & (c[at + 1] != u'\n'));
        count += inBlock;
    }
    if (to > last)
        count += isLineEnd(c[last]) ? 1 : 0;
    return count;
}

QList<qsizetype> FieldReader::damagedLines(qsizetype firstLine) const
{
    QList<qsizetype> lines;
    lines.reserve(damaged_.size());
    qsizetype line = firstLine;
    qsizetype at = 0;
    for (const qsizetype offset : damaged_) {
        line += lineEndsIn(at, offset);
        at = offset;
        lines.append(line);
    }
    return lines;
}
