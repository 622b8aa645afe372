#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <algorithm>
#include <functional>
#include <memory>

// Converts text to code page 950 as it is added, and hands the bytes on in blocks of
// FileSystem::PieceSize (the last one shorter): a file of any size is written without its text or
// its bytes ever being held whole. Short texts are gathered and converted together; a long one is
// converted where it is, without a copy. Texts are added whole: none ends between the halves of a
// surrogate pair.
class Cp950Writer
{
public:
    // Takes each block; false when it could not (a failed write), which ends the conversion.
    using Sink = std::function<bool(QByteArrayView block)>;

    explicit Cp950Writer(Sink sink);

    // Inline: a file is written a few characters at a time, hundreds of thousands of calls.
    void add(QStringView text)
    {
        if (text.size() > Gathered - gatheredSize_) {
            addLong(text);
            return;
        }
        std::copy(text.begin(), text.end(), gathered_.get() + gatheredSize_);
        gatheredSize_ += text.size();
    }
    void add(QChar c)
    {
        if (gatheredSize_ == Gathered)
            convertGathered();
        gathered_[gatheredSize_++] = c;
    }
    // Hands on the rest. False when the sink refused a block.
    bool finish();

private:
    // Short texts are gathered up to this many characters, and converted together: few calls to
    // the converter, and its output stays within the processor's cache.
    static constexpr qsizetype Gathered = 64 * 1024;

    void addLong(QStringView text);
    void convertGathered();
    void convert(QStringView text);
    void handOn(bool all);

    Sink sink_;
    QStringEncoder encoder_;
    std::unique_ptr<QChar[]> gathered_;
    qsizetype gatheredSize_ = 0;
    QByteArray bytes_; // converted, not yet handed on
    bool failed_ = false;
};
