#pragma once

#include <QDialog>

// The About dialog: product, version, rights notice, web site and the author's address, with
// a button that starts an e-mail to the author. It is closed only by "確定".
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

private:
    void mailAuthor();
    // A label at the labels' left, in twips.
    void addLabel(const char* name, const QString& text, int top, int width);
};
