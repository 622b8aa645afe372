#include "ui/widgets/Fonts.h"

#include <QApplication>
#include <QStringList>

namespace {
const QString kMing = QStringLiteral("新細明體");
const QString kDotum = QStringLiteral("DotumChe");

QFont font(const QString& family, qreal points)
{
    QFont f(family);
    f.setPointSizeF(points);
    return f;
}
} // namespace

namespace Fonts {

void install()
{
    const QStringList traditional{
        QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Sans CJK TC"),
        QStringLiteral("Noto Serif CJK TC"), QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(kMing, traditional);
    QFont::insertSubstitutions(kDotum,
                               QStringList{QStringLiteral("AR PL UMing TW MBE")} + traditional);
    // One font that holds every character shown also spares a fallback search per character.
    QApplication::setFont(font(kMing, 9));
}

QFont editorText()
{
    return font(kMing, 11.25);
}

QFont editorCategory()
{
    return font(kDotum, 11.25);
}

QFont listBox()
{
    return font(kMing, 9.75);
}

} // namespace Fonts
