#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions()
{
    const QStringList traditional{
        QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Sans CJK TC"),
        QStringLiteral("Noto Serif CJK TC"), QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("新細明體"), traditional);
    QFont::insertSubstitutions(QStringLiteral("DotumChe"),
                               QStringList{QStringLiteral("AR PL UMing TW MBE")} + traditional);
}
