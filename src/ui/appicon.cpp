#include "ui/appicon.h"

QIcon ApplicationIcon()
{
    return QIcon(QStringLiteral(":/icons/tarvolt-designer.svg"));
}
