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
        {"MainForm", "Option1_0", true, "類別"},     {"MainForm", "Option2_2", true, "狀態"},
        {"MainForm", "Combo1", false, "分類"},       {"MainForm", "ListView1", false, "資料"},
        {"InputForm", "Text0", false, "日期"},       {"InputForm", "Combo1", false, "分類"},
        {"InputForm", "Text1", false, "借用人"},     {"InputForm", "Text2", false, "借用內容"},
        {"InputForm", "Text5", false, "費用"},       {"InputForm", "Text3", false, "預計歸還日"},
        {"InputForm", "Text4", false, "已歸還日期"}, {"UseForm", "Text1", false, "搜尋"},
        {"UseForm", "List1", false, "物品清單"},     {"SetForm", "List1", false, "分類"},
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
    onNextDialog("InputForm", [&](QDialog& editor) {
        check(editor);
        onNextDialog("UseForm", check);
        clickButton(editor, "Command3");
    });
    h.trigger("Data_New");
    onNextDialog("SetForm", check);
    h.trigger("Set_Type");
    EXPECT_EQ(checked, std::size(cases));
}

} // namespace
