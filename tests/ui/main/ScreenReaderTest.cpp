#include "support/Dialogs.h"
#include "support/WindowHarness.h"

#include <QAccessible>
#include <QDialog>
#include <gtest/gtest.h>

#include <iterator>

namespace {

// What a screen reader calls a control: the label it is the buddy of, else its own name (Qt on
// Linux names a drop-down list by its value, and by the label alone); for an option button the
// name of the group it stands in.
QString spokenName(const QWidget& window, const char* control, bool group)
{
    QWidget* found = window.findChild<QWidget*>(QLatin1String(control));
    if (!found)
        return QStringLiteral("(no control)");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(found);
    if (group)
        spoken = spoken->parent();
    const auto labels = spoken->relations(QAccessible::Label);
    return (labels.isEmpty() ? spoken : labels.first().first)->text(QAccessible::Name);
}

// Every input is named by the caption beside it, or where none stands by what it holds; the
// option groups by what they filter.
TEST(ScreenReader, EveryInputIsNamedAfterItsCaption)
{
    const struct
    {
        const char* window;
        const char* control;
        bool group;
        QString name;
    } cases[] = {
        {MainWindowControls::window, MainWindowControls::directionAll, true, "類別"},
        {MainWindowControls::window, MainWindowControls::statusReturned, true, "狀態"},
        {MainWindowControls::window, MainWindowControls::categoryFilter, false, "分類"},
        {MainWindowControls::window, MainWindowControls::recordList, false, "資料"},
        {RecordEditorControls::dialog, RecordEditorControls::dateBox, false, "日期"},
        {RecordEditorControls::dialog, RecordEditorControls::categoryBox, false, "分類"},
        {RecordEditorControls::dialog, RecordEditorControls::borrowerBox, false, "借用人"},
        {RecordEditorControls::dialog, RecordEditorControls::contentBox, false, "借用內容"},
        {RecordEditorControls::dialog, RecordEditorControls::amountBox, false, "費用"},
        {RecordEditorControls::dialog, RecordEditorControls::dueDateBox, false, "預計歸還日"},
        {RecordEditorControls::dialog, RecordEditorControls::returnDateBox, false, "已歸還日期"},
        {NamePickerControls::dialog, NamePickerControls::searchBox, false, "搜尋"},
        {NamePickerControls::dialog, NamePickerControls::list, false, "物品清單"},
        {ListEditorControls::dialog, ListEditorControls::list, false, "分類"},
    };
    WindowHarness h;
    int checked = 0;
    auto check = [&](const QWidget& window) {
        for (const auto& c : cases) {
            if (window.objectName() == QLatin1String(c.window)) {
                EXPECT_EQ(spokenName(window, c.control, c.group), c.name) << c.control;
                ++checked;
            }
        }
    };
    check(h.start());
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& editor) {
        check(editor);
        onNextDialog(NamePickerControls::dialog, check);
        clickButton(editor, RecordEditorControls::pickItemsButton);
    });
    h.trigger(MainMenuItems::newRecord);
    onNextDialog(ListEditorControls::dialog, check);
    h.trigger(MainMenuItems::editCategories);
    EXPECT_EQ(checked, std::size(cases));
}

} // namespace
