#pragma once

#include <QDialog>

// The About dialog: product, version, rights notice, web site and the author's address, with
// a button that starts an e-mail to the author. It is closed only by "確定".
class AboutForm : public QDialog
{
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("關於Kelvora");
    static inline const QString Product = QStringLiteral("Kelvora v1.7");
    static inline const QString Rights = QStringLiteral("Copyright © 2026 Kelvora 開發團隊");
    static inline const QString WebSite = QStringLiteral("https://kelvora.app");
    static inline const QString MailAddress = QStringLiteral("author@kelvora.app");

    explicit AboutForm(QWidget* parent = nullptr);

    void Command1_Click();
    void Command3_Click();

private:
    // A label at the labels' left, in twips.
    void addLabel(const char* name, const QString& text, int top, int width);
};
