#include "platform/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

void InstallFonts()
{
    const QStringList traditional{
        QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Sans CJK TC"),
        QStringLiteral("Noto Serif CJK TC"), QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("新細明體"), traditional);
    QFont::insertSubstitutions(QStringLiteral("DotumChe"),
                               QStringList{QStringLiteral("AR PL UMing TW MBE")} + traditional);
    // One font that holds every character shown also spares a fallback search per character.
    QFont font(QStringLiteral("新細明體"));
    font.setPointSize(9);
    QApplication::setFont(font);
}
