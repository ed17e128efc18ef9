// The main window and the language files: the list of languages, the language at start-up and at the
// first show, switching from the settings dialog (every window follows, hidden ones too), and the
// program's own messages in both languages.

#include "base/codepage.h"
#include "dialogs/uabout.h"
#include "dialogs/udownload.h"
#include "dialogs/uproperties.h"
#include "dialogs/uproplbl.h"
#include "dialogs/usettings.h"
#include "i18n_texts.h"
#include "model/elementkind.h"
#include "project/lcdfile.h"
#include "test_ui_window.h"
#include "ui/localization.h"
#include "ui/palette.h"
#include "ui/settingsfile.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

using i18n::Ru;

class WindowLanguage : public WindowTest
{
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        languageFolders = QStringList{QStringLiteral(TARVOLT_BIN_DIR)};
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        TLocalization::Instance().SetActive(BuiltInLanguageId);
        Deliver();
    }

    // Qt posts the language change to every window; the test delivers it as the event loop would.
    static void Deliver()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        Settle();
    }

    // "Section/Key", read and written as the designer does.
    void WriteIni(const QString& key, const QVariant& value)
    {
        TSettingsFile(dir.filePath(QStringLiteral("designer.ini")))
            .WriteString(key.section(u'/', 0, 0), key.section(u'/', 1), value.toString());
    }
    QVariant IniValue(const QString& key) const
    {
        const TSettingsFile ini(dir.filePath(QStringLiteral("designer.ini")));
        const QString missing = QStringLiteral("\x01missing");
        const QString value = ini.ReadString(key.section(u'/', 0, 0), key.section(u'/', 1), missing);
        return value == missing ? QVariant() : QVariant(value);
    }

    // The user picks an entry of the settings dialog's "Lang" list.
    void Choose(int index)
    {
        QComboBox* list = form->SetForm()->cbLanguage;
        list->setCurrentIndex(index);
        emit list->activated(index);
        Deliver();
    }

    QStringList PageCaptions() const
    {
        QStringList captions;
        auto* pages = Find<QTabWidget>("PGscreen");
        for (int i = 0; i < pages->count(); ++i)
            captions << pages->tabText(i);
        return captions;
    }
};

TEST_F(WindowLanguage, TheSavedEntryIsActiveFromStartUp)
{
    TMForm& f = Make();
    QComboBox* list = f.SetForm()->cbLanguage;
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QString("English"));
    EXPECT_EQ(list->itemText(1), QString("Russian"));
    EXPECT_EQ(list->currentIndex(), 0); // no "Language" yet: entry 0

    // Before the window is shown it already speaks the saved language; "Language" is written at the show.
    EXPECT_EQ(TLocalization::Instance().ActiveId(), BuiltInLanguageId);
    EXPECT_EQ(f.windowTitle(), QString("Screen designer for Tarvolt RU"));
    EXPECT_FALSE(IniValue("Settings/Language").isValid());

    f.show();
    Deliver();
    EXPECT_EQ(TLocalization::Instance().ActiveId(), BuiltInLanguageId);
    EXPECT_EQ(f.windowTitle(), QString("Screen designer for Tarvolt RU"));
    EXPECT_EQ(PageCaptions(), QStringList{"Screen 0"});
    EXPECT_EQ(IniValue("Settings/Language").toString(), QString("0"));
}

// A project opened before the window is first shown (the command line's) speaks the window's
// language, and so does Qt's font dialog of the free-text window, whenever it is shown.
TEST_F(WindowLanguage, WhatStartUpShowsSpeaksTheActiveLanguage)
{
    const QString project = dir.filePath(QStringLiteral("outside.lcd"));
    {
        TLCDList list;
        TLCD powerFail;
        list.AddScreen(240, 320)->AddElement(ekLED, 300, 20);
        SaveProject(project, list, powerFail, SplashSettings{});
    }
    struct Case
    {
        const char* saved;
        const char* outside;
        const char* fontTitle;
    };
    const Case cases[] = {
        {"0", "Program found a elements outside the screen. Programm set it coordinates to 0;0\n\nScreen 0: LED 1",
         "Select Font"},
        {"1", "Найдены элементы за границами экрана.\r\nЭти элементы получили кординаты 0;0\n\nЭкран 0: Светодиод 1",
         "Выбор шрифта"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        WriteIni(QStringLiteral("Settings/Language"), QString::fromLatin1(c.saved));
        warnings.clear();
        TMForm& f = Make();
        ASSERT_TRUE(f.OpenProjectFile(project));
        EXPECT_EQ(warnings, QStringList{Ru(c.outside)});
        TPropLblForm* text = f.PropDialogs()->PropLblForm;
        EXPECT_EQ(text->FontDialog->windowTitle(), Ru(c.fontTitle));
        f.show();
        Deliver();
        EXPECT_EQ(text->FontDialog->windowTitle(), Ru(c.fontTitle));
        // Switched to the other language, the font dialog follows.
        Choose(c.saved[0] == '0' ? 1 : 0);
        EXPECT_EQ(text->FontDialog->windowTitle(), Ru(c.saved[0] == '0' ? "Выбор шрифта" : "Select Font"));
        form.reset();
    }
}

TEST_F(WindowLanguage, SavedEntriesAtStartUp)
{
    struct Case
    {
        const char* saved;
        int selected;    // at start-up
        quint32 shownId; // after the first show
        const char* caption;
        const char* written;
    };
    const Case cases[] = {
        {"1", 1, RussianLanguageId, "Экран 0", "1"},
        {"7", -1, BuiltInLanguageId, "Screen 0", "0"}, // names no entry: nothing selected, 0 applied
        {"-3", -1, BuiltInLanguageId, "Screen 0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        WriteIni(QStringLiteral("Settings/Language"), QString::fromLatin1(c.saved));
        TMForm& f = Make();
        EXPECT_EQ(f.SetForm()->cbLanguage->currentIndex(), c.selected);
        EXPECT_EQ(TLocalization::Instance().ActiveId(), c.shownId) << "from start-up on";
        f.show();
        Deliver();
        EXPECT_EQ(TLocalization::Instance().ActiveId(), c.shownId);
        EXPECT_EQ(PageCaptions(), QStringList{Ru(c.caption)});
        EXPECT_EQ(IniValue("Settings/Language").toString(), QString::fromLatin1(c.written));
        form.reset();
    }
}

TEST_F(WindowLanguage, WithoutLanguageFilesOnlyEnglish)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    testutil::WriteAll(empty.filePath("junk.lng"), "not a translation");
    languageFolders = QStringList{empty.path()};
    WriteIni(QStringLiteral("Settings/Language"), 1);
    TMForm& f = Make();
    EXPECT_EQ(f.SetForm()->cbLanguage->count(), 1);
    EXPECT_EQ(f.SetForm()->cbLanguage->itemText(0), QString("English"));
    EXPECT_EQ(f.SetForm()->cbLanguage->currentIndex(), -1);
    EXPECT_EQ(TLocalization::Instance().ActiveId(), BuiltInLanguageId);
    EXPECT_EQ(f.windowTitle(), QString("Screen designer for Tarvolt RU"));
    f.show();
    Deliver();
    EXPECT_EQ(f.acGenerate->text(), QString("Generate"));
    EXPECT_EQ(IniValue("Settings/Language").toString(), QString("0"));
}

// The window in English and in Russian: a sample of texts from every part of it, and nothing English
// left anywhere in it or in the windows it owns (shown or not).
TEST_F(WindowLanguage, SwitchingRetranslatesEveryWindow)
{
    TMForm& f = Make();
    f.show();
    Deliver();
    f.AddScreenPage(true);
    const QStringList english = i18n::Texts(f, i18n::TColourBoxes::Include);

    const std::pair<QString, QString> samples[] = {
        {"Screen designer for Tarvolt RU", Ru("Дизайнер экранов для Tarvolt RU")},
        {"File", Ru("Файл")},
        {"Splash screen", Ru("Заставка")},
        {"Generate", Ru("Сформировать")},
        {"Move screen left", Ru("Сдвинуть экран влево")},
        {"Delete Power fail DRO", Ru("Удалить индикатор экрана сбоя питания")},
        {"To front", Ru("На передний план")},
        {"Time colors", Ru("Цвета часов")},
        {"Free:", Ru("Свободно:")},
        {"Progress bar", Ru("Шкала")},
        {"Landscape", Ru("Альбомная")},
        {" Time ", Ru(" Время ")},
        {"Transp.", Ru("Прозр.")},
        {"Olive green", Ru("Оливковый")},
        {"Button face", Ru("Поверхность кнопки")},
        {"Custom...", Ru("Выбрать...")},
        {"Frames of animated image", Ru("Кадры анимации")},
        {"Delete item", Ru("Удалить кадр")},
        {"Write selected", Ru("Записать выбранные")},
        {"developed for design LCD CNC control panel",
         Ru("разработано для проектирования экранов ЧПУ-пульта")},
        {"Version " + TAboutForm::Version(), Ru("Версия ") + TAboutForm::Version()},
        {"Documentation (README)", Ru("Документация (README)")},
        {"Screen 1", Ru("Экран 1")},
    };
    for (const auto& [en, ru] : samples)
        EXPECT_TRUE(english.contains(en)) << en.toStdString();

    Choose(1);
    EXPECT_EQ(TLocalization::Instance().ActiveId(), RussianLanguageId);
    EXPECT_EQ(IniValue("Settings/Language").toString(), QString("1"));
    EXPECT_EQ(PageCaptions(), (QStringList{Ru("Экран 0"), Ru("Экран 1")}));
    const QStringList russian = i18n::Texts(f, i18n::TColourBoxes::Include);
    for (const auto& [en, ru] : samples)
        EXPECT_TRUE(russian.contains(ru)) << ru.toStdString();
    // A key's name, the readout's sample, the languages' names and the documentation's path are the
    // same in every language.
    const QStringList same{QStringLiteral("Shift"), QStringLiteral(" DRO "), QStringLiteral("English"),
                           QStringLiteral("Russian"), f.AboutForm()->lbDocs->toolTip()};
    for (const QString& text : english)
        if (!i18n::LanguageNeutral(text) && !same.contains(text)) {
            EXPECT_FALSE(russian.contains(text)) << "still English: " << text.toStdString();
        }
    // The screens' captions have room for their longer texts.
    for (const char* name : {"lbWork", "lbSplash", "lbPWR"}) {
        const QLabel* label = Find<QLabel>(name);
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
    }
    // A page added later is captioned in the language too.
    f.AddScreenPage(true);
    EXPECT_EQ(PageCaptions().last(), Ru("Экран 2"));
    f.DeleteScreenPage();

    Choose(0);
    EXPECT_EQ(IniValue("Settings/Language").toString(), QString("0"));
    // The deleted screen is a step, which Edit > Undo names.
    QStringList afterDelete = english;
    ASSERT_TRUE(afterDelete.contains(QStringLiteral("Undo")));
    afterDelete[afterDelete.indexOf(QStringLiteral("Undo"))] = QStringLiteral("Undo Delete screen");
    EXPECT_EQ(i18n::Texts(f, i18n::TColourBoxes::Include), afterDelete);
}

// The program's own messages follow the language the user chose.
TEST_F(WindowLanguage, MessagesFollowTheChosenLanguage)
{
    struct Case
    {
        int entry;
        const char* untitledGenerate; // caption: text
        const char* prepared;
        const char* outside;
        const char* missing; // %1 = file
        const char* noFolder;
        const char* logDone;
        const char* notSaved;
        const char* damaged; // %1 = file
        const char* notOpened;
    };
    const Case cases[] = {
        {0, "Warning: Save you project before generate", "Files for SD-card prepared. Open folder ?",
         "Program found a elements outside the screen. Programm set it coordinates to 0;0\n\nScreen 0: Text \"Text\"",
         "File %1 not found. Fintd it ?", "Please select a directory with downloading files", "Done",
         "Project not saved. Save ?",
         "The project file \"%1\" is damaged: it ends inside the project header.", "The folder"},
        {1, "Внимание: Необходимо сохранить проект", "Файлы для SD-карты подготовлены. Открыть папку?",
         "Найдены элементы за границами экрана.\r\nЭти элементы получили кординаты 0;0\n\nЭкран 0: Текст «Text»",
         "Файл %1 не найден. Задать вручную ?", "Выберите папку с загружаемыми файлами", "Готово",
         "Проект не сохранен. Сохранить?",
         "Файл проекта «%1» повреждён: файл обрывается внутри заголовка проекта.",
         "Не удалось открыть папку"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        QFile::remove(dir.filePath(QStringLiteral("designer.ini"))); // no project reopened
        questions.clear();
        warnings.clear();
        infos.clear();
        TMForm& f = Make();
        f.show();
        Deliver();
        Choose(c.entry);

        f.acGenerate->trigger();
        EXPECT_EQ(warnings, QStringList{Ru(c.untitledGenerate)});

        // A project with an element off the screen and a picture that has gone.
        const QString picture = dir.filePath(QStringLiteral("gone.bmp"));
        ASSERT_TRUE(testutil::SolidImage(4, 4, qRgb(0, 0, 255)).save(picture, "BMP"));
        f.ActiveScreen()->AddElement(ekText, 300, 10);
        f.ActiveScreen()->AddElement(ekImage, 10, 10)->SetText(ToCodePage(picture));
        const QString project = dir.filePath(QStringLiteral("lang.lcd"));
        SaveProject(project, f.List(), f.PowerFail(), f.GatherSplash());
        ASSERT_TRUE(QFile::remove(picture));
        warnings.clear();
        ASSERT_TRUE(f.OpenProjectFile(project));
        EXPECT_EQ(questions, QStringList{Ru(c.missing).arg(QDir::toNativeSeparators(picture))});
        EXPECT_EQ(warnings, QStringList{Ru(c.outside)});

        openFolderAnswer = true;
        desktopOpensFolders = false;
        warnings.clear();
        f.acGenerate->trigger();
        const QString out = QDir::toNativeSeparators(dir.filePath(QStringLiteral("lang")));
        EXPECT_EQ(infos, QStringList{Ru(c.prepared) + QStringLiteral("\n\n") + out});
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].startsWith(Ru(c.notOpened) + QStringLiteral("\n") + out))
            << warnings[0].toStdString();
        openFolderAnswer = false;

        const QString damaged = dir.filePath(QStringLiteral("short.lcd"));
        testutil::WriteAll(damaged, "LCD");
        errors.clear();
        EXPECT_FALSE(f.OpenProjectFile(damaged));
        EXPECT_EQ(errors, QStringList{Ru(c.damaged).arg(QDir::toNativeSeparators(damaged))});

        QStringList messages, log;
        downloadShown = [&](TDownloadForm& w) {
            w.SetMessageHandler([&](const QString& text) { messages << text; });
            w.SetDownloadFolder(QString());
            QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("btStart")), Qt::LeftButton);
            w.SetDownloadFolder(dir.filePath(QStringLiteral("lang")));
            QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("btStart")), Qt::LeftButton);
            auto* lines = w.findChild<QListWidget*>(QStringLiteral("LB"));
            for (int i = 0; i < lines->count(); ++i)
                log << lines->item(i)->text();
        };
        f.acDownload->trigger();
        EXPECT_EQ(messages, QStringList{Ru(c.noFolder)});
        ASSERT_FALSE(log.isEmpty());
        EXPECT_EQ(log.last(), Ru(c.logDone));

        questions.clear();
        f.ActiveScreen()->SetModified(true);
        f.List().SetModified(true);
        f.Shutdown();
        EXPECT_EQ(questions, QStringList{Ru(c.notSaved)});
        form.reset();
    }
}

} // namespace
