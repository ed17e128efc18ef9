#include "widgets/messages.h"

#include "base/codepage.h"
#include "model/telement.h"

#include <QDir>
#include <QStringList>

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

QString FilesPrepared(const QString& folder)
{
    const QString shown = QStringLiteral("\n\n") + QDir::toNativeSeparators(folder);
    if (RussianActive())
        return QStringLiteral("Файлы для SD-карты подготовлены. Открыть папку?") + shown;
    return QStringLiteral("Files for SD-card prepared. Open folder ?") + shown;
}

QString FolderNotOpened(const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (RussianActive())
        return QStringLiteral(
                   "Не удалось открыть папку\n%1\nв файловом менеджере: рабочий стол не предлагает "
                   "программы для папок. Откройте её вручную.")
            .arg(shown);
    return QStringLiteral("The folder\n%1\ncould not be opened: the desktop offers no program to show "
                          "folders with. Open it by hand.")
        .arg(shown);
}

QString Info()
{
    return QStringLiteral("Info");
}

QString RecentFileGone(const QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    if (RussianActive())
        return QStringLiteral("Проект\n%1\nбольше не найден; он убран из списка последних проектов.")
            .arg(shown);
    return QStringLiteral("The project\n%1\ncannot be found any more; it is taken off the recent projects.")
        .arg(shown);
}

QString OutsideScreenMoved(const QStringList& elements)
{
    if (elements.isEmpty())
        return OutsideScreen();
    return OutsideScreen() + QStringLiteral("\n\n") + elements.join(QLatin1Char('\n'));
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

QString RecoveryFound(const QString& projectFile, const QString& written)
{
    if (projectFile.isEmpty()) {
        if (RussianActive())
            return QStringLiteral("Найдена копия несохраненного проекта без имени от %1. Восстановить?")
                .arg(written);
        return QStringLiteral("A recovery copy of an unnamed project from %1 holds changes that were not "
                              "saved. Restore it?")
            .arg(written);
    }
    if (RussianActive())
        return QStringLiteral(
                   "Найдена копия проекта \"%1\" с несохраненными изменениями от %2. Восстановить?")
            .arg(projectFile, written);
    return QStringLiteral("A recovery copy of the project \"%1\" from %2 holds changes that were not saved. "
                          "Restore it?")
        .arg(projectFile, written);
}

QString RestoreButton()
{
    return RussianActive() ? QStringLiteral("Восстановить") : QStringLiteral("Restore");
}

QString DiscardButton()
{
    return RussianActive() ? QStringLiteral("Удалить копию") : QStringLiteral("Discard");
}

QString ScreenCaption(int position)
{
    return (RussianActive() ? QStringLiteral("Экран ") : QStringLiteral("Screen ")) +
           QString::number(position);
}

QString ElementWithLostText(const QString& screen, TTextRole role, const QString& typed)
{
    const bool ru = RussianActive();
    const QString where = !screen.isEmpty() ? screen
                          : ru              ? QStringLiteral("Экран сбоя питания")
                                            : QStringLiteral("Power fail screen");
    QString what;
    switch (role) {
    case TTextRole::Text:
        what = ru ? QStringLiteral("текст") : QStringLiteral("text");
        break;
    case TTextRole::Format:
        what = ru ? QStringLiteral("формат индикатора") : QStringLiteral("DRO format");
        break;
    case TTextRole::ImageFile:
        what = ru ? QStringLiteral("файл изображения") : QStringLiteral("image file");
        break;
    }
    return ru ? QStringLiteral("%1, %2 «%3»").arg(where, what, typed)
              : QStringLiteral("%1, %2 \"%3\"").arg(where, what, typed);
}

QString LostCharacters(const QStringList& elements, bool generated)
{
    QString head;
    if (RussianActive())
        head = generated
                   ? QStringLiteral("Панель не может показать некоторые символы этих текстов и получит "
                                    "вместо них «?»:")
                   : QStringLiteral("Панель не может показать некоторые символы этих текстов; в проекте "
                                    "они сохранены как «?»:");
    else
        head = generated
                   ? QStringLiteral("The panel cannot show some characters of these texts; it gets \"?\" "
                                    "in their place:")
                   : QStringLiteral("The panel cannot show some characters of these texts; the project "
                                    "keeps \"?\" in their place:");
    return head + QLatin1Char('\n') + elements.join(QLatin1Char('\n'));
}

QString Warning()
{
    return QStringLiteral("Warning");
}

QString ElementName(const TElement& e)
{
    const bool ru = RussianActive();
    const QString number = QString::number(e.OrderNo + 1);
    auto quoted = [ru](const QString& text) {
        return ru ? QStringLiteral("«%1»").arg(text) : QStringLiteral("\"%1\"").arg(text);
    };
    // A text as typed, also where the code page could not hold all of it.
    const QString text = e.LostText().isEmpty() ? FromCodePage(e.Text) : e.LostText();
    switch (e.Kind) {
    case ekDRO:
        return (ru ? QStringLiteral("Индикатор %1 ") : QStringLiteral("DRO %1 ")).arg(number) +
               quoted(e.LostText().isEmpty() ? FromCodePage(e.Format) : e.LostText());
    case ekLED:
        return (ru ? QStringLiteral("Светодиод %1") : QStringLiteral("LED %1")).arg(number);
    case ekBar:
        return (ru ? QStringLiteral("Шкала %1") : QStringLiteral("Bar %1")).arg(number);
    case ekShift:
        return ru ? QStringLiteral("Метка Shift") : QStringLiteral("Shift mark");
    case ekStatus:
        return ru ? QStringLiteral("Строка состояния") : QStringLiteral("Status line");
    case ekClock:
        return ru ? QStringLiteral("Часы") : QStringLiteral("Clock");
    case ekText:
        return (ru ? QStringLiteral("Текст ") : QStringLiteral("Text ")) + quoted(text);
    case ekImage:
        return (ru ? QStringLiteral("Изображение ") : QStringLiteral("Image ")) + quoted(text);
    case ekShape:
        return ru ? QStringLiteral("Фигура") : QStringLiteral("Shape");
    default:
        return (ru ? QStringLiteral("Элемент вида %1") : QStringLiteral("Element of kind %1")).arg(e.Kind);
    }
}

QString PastEdge(const QStringList& elements)
{
    if (elements.isEmpty())
        return {};
    return (RussianActive() ? QStringLiteral("За краем экрана: ") : QStringLiteral("Past the screen's edge: ")) +
           elements.join(QStringLiteral(", "));
}

} // namespace msg
