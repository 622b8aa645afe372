#include "store/RecordStream.h"

#include <algorithm>

RecordStream::RecordStream(qsizetype fieldCount, Take take)
    : fieldCount_(fieldCount), take_(std::move(take)), fields_(fieldCount)
{
}

bool RecordStream::read(bool last)
{
    if (ended_)
        return false;
    if (!last && text_.size() < readAgainAt_)
        return true;
    const qsizetype done = readFrom(text_, last);
    if (ended_) {
        text_ = QString();
        return false;
    }
    // The rest moves to the front, so that the text keeps its room for the next piece.
    std::copy(text_.cbegin() + done, text_.cend(), text_.begin());
    text_.resize(text_.size() - done);
    readAgainAt_ = 2 * text_.size();
    return true;
}

void RecordStream::readWhole(QStringView text)
{
    if (!ended_)
        readFrom(text, true);
}

void RecordStream::addBytes(QByteArrayView bytes)
{
    decoder_.add(bytes, text_);
    if (wanted_)
        wanted_ = read(false);
    else
        text_.resize(0);
}

void RecordStream::endBytes()
{
    decoder_.finish(text_);
    if (wanted_)
        wanted_ = read(true);
}

qsizetype RecordStream::readFrom(QStringView text, bool last)
{
    FieldReader reader(text, !last);
    qsizetype done = 0;
    for (;;) {
        const FieldReader::Mark mark = reader.mark();
        const bool atEnd = reader.atEnd();
        if (reader.needsMore())
            break;
        if (atEnd || full_) {
            result_.complete = atEnd;
            ended_ = true;
            break;
        }
        reader.readRecord(fields_.data(), fieldCount_);
        if (reader.needsMore()) {
            reader.rewind(mark);
            break;
        }
        full_ = !take_(fields_.constData());
        done = reader.position();
    }
    result_.damagedLines += reader.damagedLines(1 + linesDone_);
    if (!ended_)
        linesDone_ += reader.lineEndsIn(0, done);
    return done;
}
