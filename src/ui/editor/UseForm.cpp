#include "ui/editor/UseForm.h"

#include "platform/DialogLayout.h"
#include "platform/Fonts.h"
#include "platform/Modal.h"
#include "store/DataStore.h"
#include "ui/editor/InputForm.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using DialogLayout::place;

UseForm::UseForm(InputForm& editor, const DataStore& store, QWidget* parent)
    : QDialog(parent), editor_(editor), store_(store)
{
    setObjectName(QStringLiteral("UseForm"));
    DialogLayout::makeFixedDialog(this, 5520, 5310);
    buildControls();
}

void UseForm::buildControls()
{
    const QFont font = Fonts::listBox();

    text1_ = place<QLineEdit>(this, "Text1", 120, 120, 3135, 375);
    text1_->setFont(font);
    auto* command3 =
        place<QPushButton>(this, "Command3", QStringLiteral("搜尋"), 3360, 120, 975, 375);
    auto* command4 =
        place<QPushButton>(this, "Command4", QStringLiteral("清除搜尋"), 4440, 120, 975, 375);
    list1_ = place<QListWidget>(this, "List1", 120, 600, 5295, 3960);
    list1_->setFont(font);
    list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DialogLayout::line(this, "Line1", QColor(128, 128, 128), -120, 4680, 5520);
    DialogLayout::line(this, "Line2", QColor(255, 255, 255), -120, 4695, 5520);
    auto* command1 =
        place<QPushButton>(this, "Command1", QStringLiteral("確定"), 3120, 4800, 1095, 375);
    command1->setDefault(true);
    auto* command2 =
        place<QPushButton>(this, "Command2", QStringLiteral("取消"), 4320, 4800, 1095, 375);

    connect(command1, &QPushButton::clicked, this, &UseForm::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &UseForm::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &UseForm::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &UseForm::Command4_Click);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &UseForm::Command1_Click);
    list1_->installEventFilter(this);
    list1_->viewport()->installEventFilter(this);
    connect(list1_, &QListWidget::currentItemChanged, this,
            [this] { currentPicked_ = userInput_; });

    setTabOrder(list1_, command1);
    setTabOrder(command1, command2);
    setTabOrder(command2, text1_);
    setTabOrder(text1_, command3);
    setTabOrder(command3, command4);
    list1_->setFocus();
}

void UseForm::open(InputForm& editor, const DataStore& store, const QString& title)
{
    UseForm form(editor, store);
    form.setWindowTitle(title);
    form.showEntries(nullptr);
    Modal::exec(form);
}

const NameList* UseForm::modeList() const
{
    if (windowTitle() == ItemTitle)
        return &store_.AffairList;
    if (windowTitle() == BorrowerTitle)
        return &store_.BorrowerList;
    return nullptr;
}

// Every entry of the list, or those holding the search text exactly as typed, in list order.
// An empty entry never matches, not even an empty search text.
void UseForm::showEntries(const QString* searchText)
{
    list1_->clear();
    const NameList* list = modeList();
    if (!list)
        return;
    for (const QString& name : list->names()) {
        if (!searchText || (!name.isEmpty() && name.contains(*searchText, Qt::CaseSensitive)))
            list1_->addItem(name);
    }
}

void UseForm::Command3_Click()
{
    const QString text = text1_->text();
    showEntries(&text);
}

void UseForm::Command4_Click()
{
    showEntries(nullptr);
}

// Nothing chosen leaves the editor's box as it was.
void UseForm::Command1_Click()
{
    if (windowTitle() == ItemTitle) {
        if (const std::optional<QString> text = selectedRowsText())
            editor_.setContentText(*text);
    } else if (windowTitle() == BorrowerTitle) {
        // The row the user last clicked or moved to, selected or not; the first row that the
        // list makes current on taking the focus is no pick.
        const QListWidgetItem* current = list1_->currentItem();
        if (current && currentPicked_)
            editor_.Text1()->setText(current->text());
    }
    accept();
}

// Taking the focus, the list makes its first row current by itself; a click or a key that
// moves the current row is the user's.
bool UseForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list1_ && event->type() == QEvent::FocusIn)
        userInput_ = false;
    else if ((watched == list1_ && event->type() == QEvent::KeyPress) ||
             (watched == list1_->viewport() && event->type() == QEvent::MouseButtonPress))
        userInput_ = true;
    return QDialog::eventFilter(watched, event);
}

void UseForm::Command2_Click()
{
    reject();
}

// The selected rows in row order, whatever order they were picked in, joined by CR LF; nothing
// when no row is selected.
std::optional<QString> UseForm::selectedRowsText() const
{
    QStringList texts;
    for (int row = 0; row < list1_->count(); ++row) {
        if (list1_->item(row)->isSelected())
            texts.append(list1_->item(row)->text());
    }
    if (texts.isEmpty())
        return std::nullopt;
    return texts.join(QStringLiteral("\r\n"));
}
