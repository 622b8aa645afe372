#include "platform/AppDir.h"

#include <QCoreApplication>

QString AppDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}
