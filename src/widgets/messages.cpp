#include "widgets/messages.h"

namespace {
int activeLanguage = LangEnglish;
}

bool RussianActive()
{
    return activeLanguage == LangRussian;
}

void SetActiveLanguage(int languageId)
{
    activeLanguage = languageId;
}

int ActiveLanguage()
{
    return activeLanguage;
}

namespace msg {

QString FileNotFound(const QString& fileName)
{
    if (RussianActive())
        return QStringLiteral("Файл ") + fileName + QStringLiteral(" не найден. Задать вручную ?");
    return QStringLiteral("File ") + fileName + QStringLiteral(" not found. Fintd it ?");
}

QString SaveBeforeGenerate()
{
    if (RussianActive())
        return QStringLiteral("Необходимо сохранить проект");
    return QStringLiteral("Save you project before generate");
}

QString SaveBeforeGenerateCaption()
{
    return RussianActive() ? QStringLiteral("Внимание") : QStringLiteral("Warning");
}

QString FilesPrepared()
{
    if (RussianActive())
        return QStringLiteral("Файлы для SD-карты подготовлены. Открыть папку?");
    return QStringLiteral("Files for SD-card prepared. Open folder ?");
}

QString Info()
{
    return QStringLiteral("Info");
}

QString OutsideScreen()
{
    if (RussianActive())
        return QStringLiteral("Найдены элементы за границами экрана.\r\nЭти элементы получили кординаты 0;0");
    return QStringLiteral("Program found a elements outside the screen. Programm set it coordinates to 0;0");
}

QString ProjectNotSaved()
{
    if (RussianActive())
        return QStringLiteral("Проект не сохранен. Сохранить?");
    return QStringLiteral("Project not saved. Save ?");
}

QString ScreenCaption(int position)
{
    return (RussianActive() ? QStringLiteral("Экран ") : QStringLiteral("Screen ")) +
           QString::number(position);
}

QString Warning()
{
    return QStringLiteral("Warning");
}

} // namespace msg
