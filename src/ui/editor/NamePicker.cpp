#include "ui/editor/NamePicker.h"

#include "ui/ControlNames.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Modal.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using DialogLayout::place;

QString NamePicker::title(Kind kind)
{
    return kind == Kind::Items ? QStringLiteral("物品清單") : QStringLiteral("借用人名單");
}

NamePicker::NamePicker(Kind kind, const QStringList& names, QWidget* parent)
    : QDialog(parent), kind_(kind), names_(names)
{
    setObjectName(QLatin1String(NamePickerControls::dialog));
    DialogLayout::makeFixedDialog(this, 5520, 5310);
    setWindowTitle(title(kind));
    buildControls();
    showNames();
}

void NamePicker::buildControls()
{
    searchBox_ = place<QLineEdit>(this, NamePickerControls::searchBox, 120, 120, 3135, 375);
    searchBox_->setFont(Fonts::listBox());
    // Named for screen readers by the button beside it and by the window.
    searchBox_->setAccessibleName(QStringLiteral("搜尋"));
    auto* search = place<QPushButton>(this, NamePickerControls::searchButton,
                                      QStringLiteral("搜尋"), 3360, 120, 975, 375);
    auto* clearSearch = place<QPushButton>(this, NamePickerControls::clearSearchButton,
                                           QStringLiteral("清除搜尋"), 4440, 120, 975, 375);
    list_ = place<QListWidget>(this, NamePickerControls::list, 120, 600, 5295, 3960);
    list_->setFont(Fonts::listBox());
    list_->setAccessibleName(title(kind_));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row one line high: only the rows in view are laid out, not every name of a full list.
    list_->setUniformItemSizes(true);
    DialogLayout::etchedSeparator(this, DialogSeparator::shadowLine, DialogSeparator::lightLine,
                                  -120, 4680, 5520);
    auto* ok = place<QPushButton>(this, NamePickerControls::okButton, QStringLiteral("確定"), 3120,
                                  4800, 1095, 375);
    ok->setDefault(true);
    auto* cancel = place<QPushButton>(this, NamePickerControls::cancelButton,
                                      QStringLiteral("取消"), 4320, 4800, 1095, 375);

    connect(ok, &QPushButton::clicked, this, &NamePicker::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(search, &QPushButton::clicked, this, [this] { showNames(searchBox_->text()); });
    connect(clearSearch, &QPushButton::clicked, this, [this] { showNames(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &NamePicker::confirm);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::currentItemChanged, this, [this] { currentPicked_ = userInput_; });

    setTabOrder(list_, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, searchBox_);
    setTabOrder(searchBox_, search);
    setTabOrder(search, clearSearch);
    list_->setFocus();
}

std::optional<QString> NamePicker::pick()
{
    return Modal::exec(*this) == QDialog::Accepted ? chosen_ : std::nullopt;
}

void NamePicker::showNames(const std::optional<QString>& searchText)
{
    list_->clear();
    for (const QString& name : names_) {
        if (!searchText || (!name.isEmpty() && name.contains(*searchText, Qt::CaseSensitive)))
            list_->addItem(name);
    }
}

void NamePicker::confirm()
{
    if (kind_ == Kind::Items) {
        chosen_ = chosenItems();
    } else if (const QListWidgetItem* current = list_->currentItem(); current && currentPicked_) {
        // The row the user last clicked or moved to, selected or not; the first row that the
        // list makes current on taking the focus is no pick.
        chosen_ = current->text();
    }
    accept();
}

// Taking the focus, the list makes its first row current by itself; a click or a key that
// moves the current row is the user's.
bool NamePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::FocusIn)
        userInput_ = false;
    else if ((watched == list_ && event->type() == QEvent::KeyPress) ||
             (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress))
        userInput_ = true;
    return QDialog::eventFilter(watched, event);
}

// The selected rows in row order, whatever order they were picked in; nothing when no row is
// selected.
std::optional<QString> NamePicker::chosenItems() const
{
    QStringList texts;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->isSelected())
            texts.append(list_->item(row)->text());
    }
    if (texts.isEmpty())
        return std::nullopt;
    return texts.join(QStringLiteral("\r\n"));
}
