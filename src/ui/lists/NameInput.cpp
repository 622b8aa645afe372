#include "ui/lists/NameInput.h"

#include "system/Cp950.h"
#include "ui/widgets/MessageBox.h"

namespace NameInput {

QString ask(QWidget* parent, const QString& prompt, const QString& title,
            const QString& defaultText)
{
    QString name = MessageBox::input(parent, prompt, title, defaultText);
    name.remove(u'"');
    if (name.isEmpty())
        return {};
    if (!Cp950::canEncode(name)) {
        MessageBox::warning(parent, QStringLiteral("名稱含有無法儲存的字元，請改用其他文字。"));
        return {};
    }
    return name;
}

} // namespace NameInput
