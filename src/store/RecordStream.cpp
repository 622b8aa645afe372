#include "store/RecordStream.h"

#include "system/FileSystem.h"
#include "system/MemoryMappedAhead.h"

#include <algorithm>
#include <new>

namespace {

// Bytes are decoded and read in parts this large.
constexpr qsizetype kReadPart = FileSystem::PieceSize / 8;

bool canEndAField(QChar c)
{
    return c == u',' || c == u'"';
}

// A string of the part of `text` given, that shares the text's memory through its reference count,
// so that writing to either copies it first as with any shared string. The character after the
// part becomes the string's terminating null.
QString sharedPart(QString& text, QStringView part)
{
    QString::DataPointer& shared = text.data_ptr();
    // The room reserved for the text is not kept: a string written to copies only itself.
    shared.clearFlag(QArrayData::CapacityReserved);
    shared.d_ptr()->ref();
    auto* begin = const_cast<char16_t*>(part.utf16());
    begin[part.size()] = u'\0';
    return QString(QString::DataPointer(shared.d_ptr(), begin, part.size()));
}

} // namespace

RecordStream::RecordStream(qsizetype fieldCount, Take take)
    : fieldCount_(fieldCount), take_(std::move(take)), fields_(fieldCount)
{
}

void RecordStream::holdWhole(qsizetype bytes)
{
    if (!text_.isEmpty() || bytes <= 0)
        return;
    // A byte decodes to at most one character, and a character takes at least one byte: the
    // first `bytes` bytes of the room are all written. Without that much room the text is read
    // in pieces as usual.
    try {
        text_.reserve(bytes);
    } catch (const std::bad_alloc&) {
        return;
    }
    mappedAhead_ = std::make_unique<MemoryMappedAhead>(std::as_const(text_).constData(),
                                                       text_.capacity() * sizeof(QChar), bytes);
    whole_ = true;
}

bool RecordStream::read(bool last)
{
    if (ended_)
        return false;
    const QStringView unread = QStringView(text_).sliced(start_);
    if (!last && unread.size() < readAgainAt_)
        return true;
    const qsizetype done = readFrom(unread, last, true);
    if (ended_) {
        mappedAhead_.reset();
        text_ = QString();
        return false;
    }
    if (whole_)
        start_ += done;
    else if (done > 0)
        letGo(done);
    // A quoted field left open is searched on from where it was: the text is read again with the
    // next piece. Otherwise a record that needed more is read again once the text has doubled.
    readAgainAt_ = openField_.open >= 0 ? 0 : 2 * (text_.size() - start_);
    return true;
}

void RecordStream::addToWhole(QStringView piece)
{
    QString::DataPointer& text = text_.data_ptr();
    if (text.freeSpaceAtEnd() <= piece.size()) {
        // The file grew while it was read: the rest goes on in pieces.
        mappedAhead_.reset();
        countLinesTo(start_);
        letGo(start_);
        start_ = 0;
        whole_ = false;
        text_.append(piece);
        return;
    }
    wroteToWhole(std::copy(piece.begin(), piece.end(), endOfWhole()));
}

QChar* RecordStream::endOfWhole()
{
    // Written in place although fields kept share the text: they all lie before it.
    QString::DataPointer& text = text_.data_ptr();
    return reinterpret_cast<QChar*>(text.data() + text.size);
}

void RecordStream::wroteToWhole(QChar* end)
{
    QString::DataPointer& text = text_.data_ptr();
    text.size = end - reinterpret_cast<QChar*>(text.data());
    text.data()[text.size] = u'\0';
    mappedAhead_->written((text.size + 1) * qsizetype(sizeof(QChar)));
}

void RecordStream::letGo(qsizetype done)
{
    if (text_.isDetached()) {
        // The rest moves to the front, so that the text keeps its room for the next piece.
        std::copy(text_.cbegin() + done, text_.cend(), text_.begin());
        text_.resize(text_.size() - done);
        return;
    }
    // Fields kept share the text: the rest goes on in a text of its own, with room for the next
    // part.
    QString rest;
    rest.reserve(text_.size() - done + decoder_.room(kReadPart));
    rest.append(QStringView(text_).sliced(done));
    text_ = std::move(rest);
}

void RecordStream::readWhole(QStringView text)
{
    if (!ended_)
        readFrom(text, true, false);
}

void RecordStream::addBytes(QByteArrayView bytes)
{
    if (!whole_) {
        // Decoded and read a part at a time, so that the text is read while the processor's cache
        // still holds it.
        for (qsizetype at = 0; at < bytes.size(); at += kReadPart) {
            decoder_.add(bytes.sliced(at, std::min(kReadPart, bytes.size() - at)), text_);
            if (wanted_)
                wanted_ = read(false);
            else
                text_.resize(0);
        }
        return;
    }
    if (wanted_ && text_.data_ptr().freeSpaceAtEnd() > decoder_.room(bytes.size())) {
        wroteToWhole(decoder_.add(bytes, endOfWhole()));
    } else {
        decoder_.add(bytes, piece_);
        if (wanted_)
            addToWhole(piece_);
        piece_.resize(0);
    }
    if (wanted_)
        wanted_ = read(false);
}

void RecordStream::endBytes()
{
    if (whole_) {
        decoder_.finish(piece_);
        if (wanted_)
            addToWhole(piece_);
        piece_ = QString();
    } else {
        decoder_.finish(text_);
    }
    if (wanted_)
        wanted_ = read(true);
}

qsizetype RecordStream::readFrom(QStringView text, bool last, bool share)
{
    // The text read in parts goes once read: its lines are counted as it is read.
    FieldReader reader(text, !last, openField_, !whole_);
    qsizetype done = 0;
    for (;;) {
        // A record written as this program writes it ends in the text: it needs no more.
        if (!full_ && reader.readWrittenRecord(fields_.data(), fieldCount_)) {
            full_ = !take_(RecordFields(fields_.constData(), share ? this : nullptr));
            done = reader.position();
            continue;
        }
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
        full_ = !take_(RecordFields(fields_.constData(), share ? this : nullptr));
        done = reader.position();
    }
    // Offsets in the record that needs more, which begins the text once the text before it goes.
    const FieldReader::OpenField open = reader.openField();
    openField_ = open.open >= done ? FieldReader::OpenField{open.open - done, open.searched - done}
                                   : FieldReader::OpenField();
    QList<qsizetype> damaged = reader.damagedLines(1);
    if (!damaged.isEmpty()) {
        if (whole_)
            countLinesTo(start_);
        for (qsizetype& line : damaged)
            line += linesDone_;
        result_.damagedLines += damaged;
    }
    // The text held whole stays: its lines are counted only when a damaged line needs them.
    if (!ended_ && !whole_)
        linesDone_ += reader.linesRead();
    return done;
}

void RecordStream::countLinesTo(qsizetype end)
{
    linesDone_ += FieldReader(text_).lineEndsIn(linesCountedTo_, end);
    linesCountedTo_ = end;
}

QString RecordStream::keep(QStringView field)
{
    if (field.isEmpty())
        return QString();
    // The character after a field becomes the end of its string when it is a comma or a closing
    // quote; line ends stay, as the lines are counted in the text yet.
    const QString& text = text_; // read without a copy: the fields kept share it
    const qsizetype end = field.data() - text.constData() + field.size();
    if (end >= text.size() || !canEndAField(text[end]))
        return field.toString();
    return sharedPart(text_, QStringView(text).sliced(end - field.size(), field.size()));
}
