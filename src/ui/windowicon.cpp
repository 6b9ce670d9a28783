#include "ui/windowicon.h"

QIcon RostermakerIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/rostermaker-%1.png").arg(size), QSize(size, size));
    return icon;
}
