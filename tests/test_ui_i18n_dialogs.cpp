// The property, calculator, settings and download windows follow the interface language: they are
// created in one language (as at start-up, hidden), the language changes, and their texts change at
// once; switching back restores the English texts exactly, and item lists keep their chosen entry.

#include "device/virtualpanel.h"
#include "dialogs/propmessages.h"
#include "dialogs/ucalc.h"
#include "dialogs/udownload.h"
#include "dialogs/upropbar.h"
#include "dialogs/uproplbl.h"
#include "dialogs/upropled.h"
#include "dialogs/upropshiftpas.h"
#include "dialogs/upropshp.h"
#include "dialogs/uproptime.h"
#include "dialogs/uproptxt.h"
#include "dialogs/usettings.h"
#include "i18n_texts.h"
#include "model/elementkind.h"
#include "model/telement.h"
#include "base/codepage.h"
#include "widgets/colorbox.h"
#include "ui/localization.h"
#include "widgets/messages.h"
#include "widgets/radiogroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace {

using i18n::LanguageNeutral;
using i18n::Ru;

QStringList Texts(const QWidget& window)
{
    return i18n::Texts(window, i18n::TColourBoxes::Skip);
}

struct TWindowCase
{
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
    // English and Russian text pairs; the first pair is the caption.
    std::vector<std::pair<QString, QString>> texts;
};

const std::vector<TWindowCase>& WindowCases()
{
    static const std::vector<TWindowCase> cases = {
        {"bar",
         [](QWidget* p) { return new TPropBarForm(nullptr, p); },
         {{"Properties", Ru("Свойства")},
          {"Order No", Ru("Порядковый номер")},
          {"Red %", Ru("Красный %")},
          {"Default colors", Ru("Цвета по умолчанию")},
          {"Ok", Ru("ОК")},
          {"Cancel", Ru("Отмена")}}},
        {"LED",
         [](QWidget* p) { return new TPropLEDForm(nullptr, p); },
         {{"Properties", Ru("Свойства")},
          {"Mode", Ru("Режим")},
          {"Pulsing", Ru("Мигание")},
          {"Blink interval (ms)", Ru("Интервал мигания (мс)")},
          {"OK", Ru("ОК")}}},
        {"free text",
         [](QWidget* p) { return new TPropLblForm(p); },
         {{"Properties", Ru("Свойства")}, {"Back", Ru("Фон")}, {"Font", Ru("Шрифт")}}},
        {"shift status",
         [](QWidget* p) { return new TPropShiftForm(p); },
         {{"Properties", Ru("Свойства")}, {"W", Ru("Ш")}, {"H", Ru("В")}, {"Cancel", Ru("Отмена")}}},
        {"shape",
         [](QWidget* p) { return new TPropShpForm(p); },
         {{"Properties", Ru("Свойства")},
          {"Canvas", Ru("Контур")},
          {" Shape ", Ru(" Фигура ")},
          {"Round square", Ru("Скруглённый квадрат")}}},
        {"clock",
         [](QWidget* p) { return new TPropTimeForm(p); },
         {{"Properties", Ru("Свойства")}, {"Text", Ru("Текст")}, {"dW", Ru("dШ")}}},
        {"DRO",
         [](QWidget* p) { return new TPropTxtForm(p); },
         {{"Properties", Ru("Свойства")}, {"Show as Axis", Ru("Показывать как ось")}, {"Axis", Ru("Ось")}}},
        {"RGB calculator",
         [](QWidget* p) { return new TCalcForm(p); },
         {{"RGB calculator", Ru("Калькулятор RGB")}, {"16-bit:", Ru("16 бит:")}}},
        {"settings",
         [](QWidget* p) { return new TSetForm(p); },
         {{"Settings", Ru("Настройки")},
          {"Maximum elements count", Ru("Максимум элементов")},
          {"Show", Ru("Показать")},
          {"Lang", Ru("Язык")}}},
        {"download",
         [](QWidget* p) {
             auto* layer = new TVirtualHIDLayer(p);
             return new TDownloadForm(layer, p);
         },
         {{"Download", Ru("Загрузка")},
          {"Tools", Ru("Сервис")},
          {"Write selected", Ru("Записать выбранные")},
          {"Start download process", Ru("Начать загрузку")},
          {"Modified", Ru("Изменён")},
          {"Set date/time", Ru("Задать дату/время")}}},
    };
    return cases;
}

class DialogLanguage : public testing::Test
{
  protected:
    void SetUp() override
    {
        localization.Scan({QStringLiteral(TARVOLT_BIN_DIR)});
        ASSERT_EQ(localization.Count(), 2) << "the Russian language file is missing from " TARVOLT_BIN_DIR;
    }
    void TearDown() override
    {
        Switch(BuiltInLanguageId);
        SetActiveLanguage(LangEnglish);
    }

    // Qt posts the language change to every window; the test delivers it as the event loop would.
    void Switch(quint32 id)
    {
        localization.SetActive(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::processEvents();
    }

    TLocalization localization;
    QWidget mainWindow; // the windows' parent, as in the designer
};

TEST_F(DialogLanguage, HiddenWindowsAreRetranslatedBothWays)
{
    for (const TWindowCase& c : WindowCases()) {
        SCOPED_TRACE(c.name);
        QWidget* window = c.make(&mainWindow);
        ASSERT_FALSE(window->isVisible());
        const QStringList english = Texts(*window);
        EXPECT_EQ(window->windowTitle(), c.texts.front().first);
        for (const auto& [en, ru] : c.texts)
            EXPECT_TRUE(english.contains(en)) << en.toStdString();

        Switch(RussianLanguageId);
        const QStringList russian = Texts(*window);
        EXPECT_EQ(window->windowTitle(), c.texts.front().second);
        for (const auto& [en, ru] : c.texts)
            EXPECT_TRUE(russian.contains(ru)) << ru.toStdString();
        // Nothing English stays behind: a text left out of tr(), the translation or the re-translation.
        for (const QString& text : english) {
            if (!LanguageNeutral(text)) {
                EXPECT_FALSE(russian.contains(text)) << "still English: " << text.toStdString();
            }
        }

        Switch(BuiltInLanguageId);
        EXPECT_EQ(Texts(*window), english);
        delete window;
    }
}

TEST_F(DialogLanguage, WindowsCreatedAndShownInRussian)
{
    Switch(RussianLanguageId);
    TPropShpForm created(&mainWindow);
    EXPECT_EQ(created.windowTitle(), Ru("Свойства"));
    EXPECT_EQ(created.rgShape->title(), Ru(" Фигура "));

    TSetForm open(&mainWindow);
    open.show();
    Switch(BuiltInLanguageId);
    EXPECT_TRUE(open.isVisible());
    EXPECT_EQ(open.windowTitle(), QString("Settings"));
    EXPECT_EQ(open.chShGrid->text(), QString("Show"));
    Switch(RussianLanguageId);
    EXPECT_EQ(open.windowTitle(), Ru("Настройки"));
    open.hide();
}

TEST_F(DialogLanguage, ItemListsKeepTheirChoice)
{
    TPropLEDForm led(nullptr, &mainWindow);
    TPropShpForm shape(&mainWindow);
    TElement e(nullptr);
    e.Kind = ekLED;
    e.LedMode = 1;
    led.Fill(e);
    shape.rgShape->SetItemIndex(4);
    QSignalSpy modeSpy(led.cxMode, &QComboBox::currentIndexChanged);
    QSignalSpy shapeSpy(shape.rgShape, &TRadioGroup::Clicked);

    Switch(RussianLanguageId);
    EXPECT_EQ(led.cxMode->currentIndex(), 1);
    EXPECT_EQ(led.cxMode->currentText(), Ru("Мигание"));
    EXPECT_EQ(led.cxMode->itemText(0), Ru("Постоянно"));
    EXPECT_FALSE(led.lbEx->isHidden()); // pulsing still shows its interval
    EXPECT_EQ(shape.rgShape->ItemIndex(), 4);
    EXPECT_TRUE(shape.rgShape->Button(4)->isChecked());
    EXPECT_EQ(shape.rgShape->Button(4)->text(), Ru("Эллипс"));

    Switch(BuiltInLanguageId);
    EXPECT_EQ(led.cxMode->currentText(), QString("Pulsing"));
    EXPECT_EQ(shape.rgShape->Button(4)->text(), QString("Ellipse"));
    EXPECT_EQ(modeSpy.count(), 0);
    EXPECT_EQ(shapeSpy.count(), 0);

    TElement written(nullptr);
    led.WriteBack(written);
    EXPECT_EQ(written.LedMode, 1);
    shape.WriteBack(written);
    EXPECT_EQ(written.ShapeType, 4);
}

TEST_F(DialogLanguage, TheDeviceLineFollowsTheLanguage)
{
    TVirtualHIDLayer layer;
    TDownloadForm download(&layer, &mainWindow);
    auto* device = download.findChild<QLineEdit*>(QStringLiteral("eDev"));
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->text(), QString("no device"));
    Switch(RussianLanguageId);
    EXPECT_EQ(device->text(), Ru("нет устройства"));
    Switch(BuiltInLanguageId);
    EXPECT_EQ(device->text(), QString("no device"));
}

TEST_F(DialogLanguage, TheFormatComplaintFollowsTheLanguage)
{
    TPropTxtForm dro(&mainWindow);
    dro.cxText->setText(QStringLiteral("%5"));
    ASSERT_FALSE(dro.lbFormat->isHidden());
    EXPECT_EQ(dro.lbFormat->text(), QString("Format %5 is invalid !!"));

    SetActiveLanguage(LangRussian);
    Switch(RussianLanguageId);
    EXPECT_EQ(dro.lbFormat->text(), Ru("Формат %5 неверен !!"));
    EXPECT_FALSE(dro.Button1->isEnabled());
    EXPECT_EQ(propmsg::NotAFloat("1,5"), Ru("«1,5» — недопустимое число с плавающей точкой"));
    EXPECT_EQ(propmsg::NoPicture("a.txt"), Ru("«a.txt» — не изображение BMP или JPEG"));

    dro.cxText->setText(QStringLiteral("%5.3f"));
    SetActiveLanguage(LangEnglish);
    Switch(BuiltInLanguageId);
    EXPECT_TRUE(dro.lbFormat->isHidden()); // a hidden complaint is not brought back
    EXPECT_TRUE(dro.Button1->isEnabled());
    EXPECT_EQ(propmsg::NotAFloat("1,5"), QString("'1,5' is not a valid floating point value"));
}

} // namespace
