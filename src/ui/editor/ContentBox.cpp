#include "ui/editor/ContentBox.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {
// The first slice: more than the box shows at once.
constexpr qsizetype kFirstSlice = 400;
// Each later slice: a few milliseconds of work for the box.
constexpr qsizetype kSlice = 64 * 1024;

// The first slice: the lines that end within its length, or the start of a longer first line,
// never between the halves of a CR LF pair or of a surrogate pair.
qsizetype firstSliceEnd(const QString& text)
{
    if (text.size() <= kFirstSlice)
        return text.size();
    const qsizetype lineFeed = text.lastIndexOf(u'\n', kFirstSlice - 1);
    if (lineFeed >= 0)
        return lineFeed + 1;
    const QChar last = text.at(kFirstSlice - 1);
    return last == u'\r' || last.isHighSurrogate() ? kFirstSlice - 1 : kFirstSlice;
}

// A later slice of about `length` characters from `from`: up to the line feed that ends the line
// it reaches into, so that no line grows again once laid out (the box lays out a line whole each
// time it grows), or the rest when no line feed follows.
qsizetype sliceEnd(const QString& text, qsizetype from, qsizetype length)
{
    if (text.size() - from <= length)
        return text.size();
    const qsizetype lineFeed = text.indexOf(u'\n', from + length - 1);
    return lineFeed < 0 ? text.size() : lineFeed + 1;
}
} // namespace

ContentBox::ContentBox(QWidget* parent) : QPlainTextEdit(parent), slices_(new QTimer(this))
{
    connect(slices_, &QTimer::timeout, this, &ContentBox::showNextSlice);
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!appending_ && (removed > 0 || added > 0))
            changed_ = true;
    });
}

void ContentBox::setContent(const QString& content)
{
    slices_->stop();
    given_ = content;
    const qsizetype end = firstSliceEnd(given_);
    appending_ = true;
    // The box takes CR LF, a lone CR and a lone LF each as a line end.
    setPlainText(given_.first(end));
    appending_ = false;
    shown_ = end;
    changed_ = false;
    // A slice appended is no step for the user to undo: until the box is full, there are none.
    document()->setUndoRedoEnabled(isFilled());
}

// The rest follows once the box has shown its start.
void ContentBox::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    if (!isFilled() && !slices_->isActive())
        slices_->start();
}

void ContentBox::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::SelectAll || event == QKeySequence::MoveToEndOfDocument ||
        event == QKeySequence::SelectEndOfDocument)
        appendUpTo(given_.size());
    QPlainTextEdit::keyPressEvent(event);
}

// Its menu selects all.
void ContentBox::contextMenuEvent(QContextMenuEvent* event)
{
    appendUpTo(given_.size());
    QPlainTextEdit::contextMenuEvent(event);
}

void ContentBox::showNextSlice()
{
    appendUpTo(sliceEnd(given_, shown_, kSlice));
}

void ContentBox::appendUpTo(qsizetype end)
{
    if (end == shown_)
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    appending_ = true;
    cursor.insertText(given_.sliced(shown_, end - shown_));
    appending_ = false;
    shown_ = end;
    if (isFilled()) {
        slices_->stop();
        document()->setUndoRedoEnabled(true);
    }
}

QString ContentBox::content()
{
    if (!changed_)
        return given_;
    // Taken from the box as it will stand, so that all its line ends come out alike.
    appendUpTo(given_.size());
    return toPlainText().replace(u'\n', QLatin1String("\r\n"));
}
