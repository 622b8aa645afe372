#include "ui/widgets/ProgramIcon.h"

namespace ProgramIcon {

QIcon icon()
{
    QIcon icon;
    for (int size : Sizes)
        icon.addFile(QStringLiteral(":/icons/kelvora-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ProgramIcon
