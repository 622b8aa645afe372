#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <functional>

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

    void add(QStringView text);
    void add(QChar c);
    // Hands on the rest. False when the sink refused a block.
    bool finish();

private:
    void convertGathered();
    void convert(QStringView text);
    void handOn(bool all);

    Sink sink_;
    QStringEncoder encoder_;
    QString gathered_;
    QByteArray bytes_; // converted, not yet handed on
    bool failed_ = false;
};
