#include "ui/windowicon.h"

QIcon RostermakerIcon()
{
    Q_INIT_RESOURCE(icons); // the pictures live in a static library
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/rostermaker-%1.png").arg(size), QSize(size, size));
    return icon;
}
