#include "dialogs/propmessages.h"

#include "widgets/messages.h"

#include <QCoreApplication>

namespace propmsg {

QString BadFormat(const QString& format)
{
    if (RussianActive())
        return QStringLiteral("Формат ") + format + QStringLiteral(" неверен !!");
    return QStringLiteral("Format ") + format + QStringLiteral(" is invalid !!");
}

QString NotInCodePage(const QString& characters)
{
    if (RussianActive())
        return QStringLiteral("Панель не может показать: ") + characters + QStringLiteral(" (станут «?»)");
    return QStringLiteral("The panel cannot show: ") + characters + QStringLiteral(" (they become \"?\")");
}

QString NotAFloat(const QString& text)
{
    // The wording of the platform's own conversion error, which the general error handler shows.
    return QCoreApplication::translate("propmsg", "'%1' is not a valid floating point value").arg(text);
}

QString NoPicture(const QString& fileName)
{
    return QCoreApplication::translate("propmsg", "\"%1\" is not a BMP or JPEG picture").arg(fileName);
}

} // namespace propmsg
