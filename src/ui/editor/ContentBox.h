#pragma once

#include <QPlainTextEdit>
#include <QString>

class QTimer;

// The record editor's content box. A long content is shown a slice at a time: its start at once,
// the rest appended from the event loop once that has been painted, a slice per turn, so that the
// editor opens on a field of megabytes as fast as on a short one and takes keys meanwhile. Every
// byte of the content is kept: while the user changes nothing the box stands for the content
// exactly as it was given, line ends and all, however far it has been filled; once changed, it is
// the box's text with the part not shown yet after it. Selecting all and going to the end fill the
// box first, so that they reach the whole content.
class ContentBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ContentBox(QWidget* parent = nullptr);

    // Shows a content as the record holds it, lines ending in CR LF.
    void setContent(const QString& content);
    // The content as the record is to hold it: as given while nothing was changed, else the box's
    // text, filled to the end first, with its lines ending in CR LF.
    QString content();
    // Whether the box shows the whole content yet.
    bool isFilled() const { return shown_ == given_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showNextSlice();
    // Appends the given content up to the end, exclusive, to the box.
    void appendUpTo(qsizetype end);

    QString given_;
    qsizetype shown_ = 0; // characters of given_ in the box
    bool changed_ = false;
    bool appending_ = false;
    QTimer* slices_ = nullptr;
};
