#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QLineEdit;
class QListWidget;

// Picks names from a reference list for the record editor: items, several at once, for its
// content, or one borrower.
class NamePicker : public QDialog
{
    Q_OBJECT
public:
    enum class Kind
    {
        Items,
        Borrowers,
    };
    // "物品清單" or "借用人名單": the dialog's title, and the list's name in messages.
    static QString title(Kind kind);

    NamePicker(Kind kind, const QStringList& names, QWidget* parent = nullptr);

    // Shows the picker modally. The items chosen, in list order joined by CR LF, or the borrower
    // chosen; nothing when nothing was chosen or the picker was cancelled.
    std::optional<QString> pick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Every name, or those holding the search text exactly as typed, in list order. An empty
    // name never matches, not even an empty search text.
    void showNames(const std::optional<QString>& searchText = std::nullopt);
    void confirm();
    std::optional<QString> chosenItems() const;

    Kind kind_;
    QStringList names_;
    QLineEdit* searchBox_ = nullptr;
    QListWidget* list_ = nullptr;
    // Whether the list's current row was made so by the user's click or key, not by the list
    // itself on taking the focus.
    bool userInput_ = false;
    bool currentPicked_ = false;
    std::optional<QString> chosen_;
};
