<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="122"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="123"/>
        <source>Programm</source>
        <translation>Программа</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="124"/>
        <source>Screen designer for Tarvolt RU</source>
        <translation>Дизайнер экранов для Tarvolt RU</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="125"/>
        <source>developed for design LCD CNC control panel</source>
        <translation>разработано для проектирования экранов ЧПУ-пульта</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="104"/>
        <source>The desktop could not open %1.</source>
        <translation>Рабочий стол не смог открыть %1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="126"/>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="128"/>
        <source>Documentation (README)</source>
        <translation>Документация (README)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="129"/>
        <source>The documentation (README) is not installed with this copy</source>
        <translation>Документация (README) не установлена с этой копией</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="130"/>
        <source>Thanks to everyone who tried it on a real panel</source>
        <translation>Спасибо всем, кто проверял её на настоящей панели</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uabout.cpp" line="131"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TCalcForm</name>
    <message>
        <location filename="../src/dialogs/ucalc.cpp" line="71"/>
        <source>RGB calculator</source>
        <translation>Калькулятор RGB</translation>
    </message>
    <message>
        <location filename="../src/dialogs/ucalc.cpp" line="72"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../src/dialogs/ucalc.cpp" line="73"/>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <location filename="../src/dialogs/ucalc.cpp" line="74"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../src/dialogs/ucalc.cpp" line="75"/>
        <source>16-bit:</source>
        <translation>16 бит:</translation>
    </message>
</context>
<context>
    <name>TClipboard</name>
    <message>
        <location filename="../src/document/clipboard.cpp" line="398"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="287"/>
        <source>%1 elements announced, the data holds fewer</source>
        <translation>объявлено элементов: %1, в данных их меньше</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="324"/>
        <source>%1 unknown bytes after element %2</source>
        <translation>%1 неизвестных байт после элемента %2</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="332"/>
        <source>%1 unknown bytes after the last element</source>
        <translation>%1 неизвестных байт после последнего элемента</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="170"/>
        <source>DRO</source>
        <translation>индикатор</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="172"/>
        <source>LED</source>
        <translation>светодиод</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="174"/>
        <source>bar</source>
        <translation>шкала</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="186"/>
        <source>clock</source>
        <translation>часы</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="182"/>
        <source>image</source>
        <translation>картинка</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="184"/>
        <source>shape</source>
        <translation>фигура</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="176"/>
        <source>shift mark</source>
        <translation>знак Shift</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="178"/>
        <source>status line</source>
        <translation>строка состояния</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="180"/>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="383"/>
        <source>%1 times %2</source>
        <translation>%1 раз: %2</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="384"/>
        <source>Not pasted: %1</source>
        <translation>Не вставлено: %1</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="37"/>
        <source>The clipboard does not hold elements that can be pasted: %1.</source>
        <translation>В буфере обмена нет элементов, которые можно вставить: %1.</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="118"/>
        <source>a name of %1 bytes</source>
        <translation>имя длиной %1 байт</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="137"/>
        <location filename="../src/document/clipboard.cpp" line="145"/>
        <source>a picture of %1 x %2 pixels</source>
        <translation>картинка %1 x %2 точек</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="134"/>
        <source>a picture of unknown format %1</source>
        <translation>картинка неизвестного формата %1</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="309"/>
        <source>element %1 of %2 x %3 pixels</source>
        <translation>элемент %1 размером %2 x %3 точек</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="188"/>
        <source>element of kind %1</source>
        <translation>элемент вида %1</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="283"/>
        <source>no element</source>
        <translation>ни одного элемента</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="205"/>
        <source>no free element (%1 DROs, LEDs and bars at most)</source>
        <translation>нет свободного элемента (индикаторов, светодиодов и шкал не больше %1)</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="279"/>
        <source>records of %1 bytes, not %2</source>
        <translation>записи по %1 байт, а не по %2</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="298"/>
        <source>the %1 of element %2 is longer than its field</source>
        <translation>поле «%1» элемента %2 длиннее, чем допускается</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="44"/>
        <source>the data ends too soon</source>
        <translation>данные обрываются раньше времени</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="207"/>
        <source>the designer does not know this kind</source>
        <translation>дизайнер не знает такого вида элементов</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="197"/>
        <source>the power-fail screen has its DRO</source>
        <translation>на экране сбоя питания уже есть индикатор</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="198"/>
        <source>the power-fail screen takes one DRO only</source>
        <translation>экран сбоя питания принимает только один индикатор</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="203"/>
        <source>the screen has one</source>
        <translation>на экране уже есть такой</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="200"/>
        <source>the screen holds %1 elements, the most it can</source>
        <translation>на экране уже %1 элементов, больше нельзя</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="267"/>
        <source>they are not elements of this designer</source>
        <translation>это не элементы этого дизайнера</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="272"/>
        <source>they come in version %1, this designer reads %2</source>
        <translation>их версия %1, а этот дизайнер читает версию %2</translation>
    </message>
</context>
<context>
    <name>TColorBox</name>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="46"/>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="46"/>
        <source>Maroon</source>
        <translation>Тёмно-бордовый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="47"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="47"/>
        <source>Olive green</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="48"/>
        <source>Navy blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="48"/>
        <source>Purple</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="49"/>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="49"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="50"/>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="50"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="51"/>
        <source>Lime</source>
        <translation>Салатовый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="51"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="52"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="52"/>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="53"/>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="53"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="54"/>
        <source>Money green</source>
        <translation>Светло-зелёный</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="54"/>
        <source>Sky blue</source>
        <translation>Небесно-голубой</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="55"/>
        <source>Cream</source>
        <translation>Кремовый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="55"/>
        <source>Medium gray</source>
        <translation>Средне-серый</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="145"/>
        <source>System colours</source>
        <translation>Системные цвета</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="151"/>
        <location filename="../src/widgets/colorbox.cpp" line="199"/>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <location filename="../src/widgets/colorbox.cpp" line="152"/>
        <source>Custom...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="24"/>
        <source>Scroll bar</source>
        <translation>Полоса прокрутки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="25"/>
        <source>Desktop background</source>
        <translation>Фон рабочего стола</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="26"/>
        <source>Active window caption</source>
        <translation>Заголовок активного окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="29"/>
        <source>Inactive window caption</source>
        <translation>Заголовок неактивного окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="32"/>
        <source>Menu background</source>
        <translation>Фон меню</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="33"/>
        <source>Window background</source>
        <translation>Фон окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="34"/>
        <source>Window frame</source>
        <translation>Рамка окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="35"/>
        <source>Menu text</source>
        <translation>Текст меню</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="36"/>
        <source>Window text</source>
        <translation>Текст окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="37"/>
        <source>Active caption text</source>
        <translation>Текст активного заголовка</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="40"/>
        <source>Active window border</source>
        <translation>Граница активного окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="41"/>
        <source>Inactive window border</source>
        <translation>Граница неактивного окна</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="44"/>
        <source>Application workspace</source>
        <translation>Рабочая область приложения</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="45"/>
        <source>Highlight background</source>
        <translation>Фон выделения</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="46"/>
        <source>Highlight text</source>
        <translation>Текст выделения</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="49"/>
        <source>Button face</source>
        <translation>Поверхность кнопки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="50"/>
        <source>Button shadow</source>
        <translation>Тень кнопки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="51"/>
        <source>Gray text</source>
        <translation>Недоступный текст</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="52"/>
        <source>Button text</source>
        <translation>Текст кнопки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="53"/>
        <source>Inactive caption text</source>
        <translation>Текст неактивного заголовка</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="56"/>
        <source>Button highlight</source>
        <translation>Подсветка кнопки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="57"/>
        <source>3D dark shadow</source>
        <translation>Тёмная объёмная тень</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="58"/>
        <source>3D light</source>
        <translation>Объёмный свет</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="59"/>
        <source>Tooltip text</source>
        <translation>Текст подсказки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="60"/>
        <source>Tooltip background</source>
        <translation>Фон подсказки</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="61"/>
        <source>Hot-tracked item</source>
        <translation>Элемент под указателем</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="62"/>
        <source>Active caption gradient</source>
        <translation>Градиент активного заголовка</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="65"/>
        <source>Inactive caption gradient</source>
        <translation>Градиент неактивного заголовка</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="68"/>
        <source>Menu highlight</source>
        <translation>Выделение в меню</translation>
    </message>
    <message>
        <location filename="../src/base/syscolors.cpp" line="69"/>
        <source>Menu bar</source>
        <translation>Строка меню</translation>
    </message>
</context>
<context>
    <name>TDesignArea</name>
    <message>
        <location filename="../src/ui/designarea.cpp" line="217"/>
        <source>%1, %2  %3 × %4</source>
        <translation>%1, %2  %3 × %4</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/designarea.cpp" line="218"/>
        <source>%n elements: %1, %2  %3 × %4</source>
        <translation>
            <numerusform>%n элемент: %1, %2  %3 × %4</numerusform>
            <numerusform>%n элемента: %1, %2  %3 × %4</numerusform>
            <numerusform>%n элементов: %1, %2  %3 × %4</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="282"/>
        <source>The selected elements: place and size in panel pixels</source>
        <translation>Выделенные элементы: место и размер в пикселях пульта</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="283"/>
        <source>The pointer&apos;s place on the screen in panel pixels</source>
        <translation>Место указателя на экране в пикселях пульта</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="284"/>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
</context>
<context>
    <name>TDeviceTools</name>
    <message>
        <location filename="../src/device/devicetools.cpp" line="78"/>
        <source>Please set the date and time first</source>
        <translation>Сначала задайте дату и время</translation>
    </message>
</context>
<context>
    <name>TDownload</name>
    <message>
        <location filename="../src/device/download.cpp" line="52"/>
        <source>the name holds a backslash, which the panel takes as a folder separator</source>
        <translation>имя содержит обратную косую черту, которую панель принимает за разделитель папок</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="60"/>
        <source>the name is empty or holds a zero character</source>
        <translation>имя пустое или содержит нулевой символ</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="64"/>
        <source>the name has characters that the panel&apos;s code page (Windows-1251) lacks</source>
        <translation>в имени есть символы, которых нет в кодовой странице панели (Windows-1251)</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="68"/>
        <source>the name takes %1 bytes, a report holds at most %2</source>
        <translation>имя занимает %1 байт, а отчёт вмещает не более %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="216"/>
        <location filename="../src/device/download.cpp" line="352"/>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="381"/>
        <source>Skipped folder link: %1</source>
        <translation>Пропущена ссылка на папку: %1</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="389"/>
        <source>Skipped folder &quot;%1&quot;: %2</source>
        <translation>Пропущена папка «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="421"/>
        <source>Create dir: </source>
        <translation>Создание папки: </translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="457"/>
        <source>Skipped file &quot;%1&quot;: %2</source>
        <translation>Пропущен файл «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="466"/>
        <source>Skipped file &quot;%1&quot;: not a regular file</source>
        <translation>Пропущен файл «%1»: это не обычный файл</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="475"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="480"/>
        <source>Save file: </source>
        <translation>Запись файла: </translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="530"/>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Не удаётся прочитать файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="543"/>
        <source>write error</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="411"/>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="557"/>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 из %3</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="563"/>
        <source>, %1/s, %2 left</source>
        <translation>, %1/с, осталось %2</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="219"/>
        <source>%1 file(s) unchanged and skipped</source>
        <translation>Без изменений, не отправлено файлов: %1</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="243"/>
        <source>No record of an earlier download of this folder to this panel: writing every file</source>
        <translation>Нет записи о прежней загрузке этой папки в эту панель: записываются все файлы</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="247"/>
        <source>Warning: the record of earlier downloads &quot;%1&quot; is not usable (%2): writing every file</source>
        <translation>Внимание: запись о прежних загрузках &quot;%1&quot; непригодна (%2): записываются все файлы</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="298"/>
        <source>Not on the PC any more, still on the card: %1</source>
        <translation>Больше нет на ПК, но остался на карте: %1</translation>
    </message>
    <message>
        <location filename="../src/device/download.cpp" line="326"/>
        <source>The record of what was sent could not be written: %1</source>
        <translation>Не удалось записать сведения об отправленном: %1</translation>
    </message>
</context>
<context>
    <name>TDownloadForm</name>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="106"/>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="107"/>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="108"/>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="109"/>
        <source>VID</source>
        <translation>VID</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="110"/>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="111"/>
        <source>&lt;-- hexadecimal string</source>
        <translation>&lt;-- шестнадцатеричная строка</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="112"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="115"/>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="115"/>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="115"/>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="116"/>
        <source>Write all</source>
        <translation>Записать все</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="117"/>
        <location filename="../src/dialogs/udownload.cpp" line="119"/>
        <source>Start download process</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="118"/>
        <source>Write selected</source>
        <translation>Записать выбранные</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="123"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="126"/>
        <source>Light interval</source>
        <translation>Интервал подсветки</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="127"/>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="128"/>
        <source>Get interval</source>
        <translation>Прочитать интервал</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="129"/>
        <source>Set interval</source>
        <translation>Задать интервал</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="130"/>
        <source>Date / time</source>
        <translation>Дата / время</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="131"/>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="132"/>
        <source>Set date/time</source>
        <translation>Задать дату/время</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="124"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="125"/>
        <source>Stop after the file being sent</source>
        <translation>Остановить после передаваемого файла</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="120"/>
        <source>Write changed</source>
        <translation>Записать изменённые</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="121"/>
        <source>Send only the files that differ from what was last sent to this panel</source>
        <translation>Отправить только файлы, отличающиеся от отправленных в эту панель в прошлый раз</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="310"/>
        <source>Last written in full to this panel: %1</source>
        <translation>Последняя полная запись в эту панель: %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="312"/>
        <source>Not yet written in full to this panel</source>
        <translation>В эту панель ещё не записывалась полностью</translation>
    </message>
</context>
<context>
    <name>TMForm</name>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="101"/>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="102"/>
        <source>Cut the selected elements</source>
        <translation>Вырезать выбранные элементы</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="103"/>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="104"/>
        <source>Copy the selected elements</source>
        <translation>Копировать выбранные элементы</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="105"/>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="106"/>
        <source>Paste elements on the screen</source>
        <translation>Вставить элементы на экран</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="107"/>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="108"/>
        <source>Duplicate the selected elements</source>
        <translation>Дублировать выбранные элементы</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="89"/>
        <source>Panel colours</source>
        <translation>Цвета пульта</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="91"/>
        <source>Preview SD-card set...</source>
        <translation>Просмотр набора для SD-карты...</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="38"/>
        <location filename="../src/ui/umain.cpp" line="110"/>
        <source>Open project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="115"/>
        <source>Screen project (*.lcd)</source>
        <translation>Проект экранов (*.lcd)</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="40"/>
        <location filename="../src/ui/umain.cpp" line="116"/>
        <source>Save project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="133"/>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="133"/>
        <source>BMP, JPEG (*.bmp *.jpg *.jpeg)</source>
        <translation>BMP, JPEG (*.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="36"/>
        <source>New project</source>
        <translation>Новый проект</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="36"/>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="38"/>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="40"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="42"/>
        <source>Save project as...</source>
        <translation>Сохранить проект как...</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="44"/>
        <source>Generate</source>
        <translation>Сформировать</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="45"/>
        <source>Download to MCU</source>
        <translation>Загрузить в контроллер</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="47"/>
        <source>Add screen</source>
        <translation>Добавить экран</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="49"/>
        <source>Delete screen</source>
        <translation>Удалить экран</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="51"/>
        <source>Move left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="52"/>
        <source>Move screen left</source>
        <translation>Сдвинуть экран влево</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="53"/>
        <source>Move right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="54"/>
        <source>Move screen right</source>
        <translation>Сдвинуть экран вправо</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="55"/>
        <source>Load background</source>
        <translation>Загрузить фон</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="56"/>
        <source>Clear background</source>
        <translation>Убрать фон</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="58"/>
        <source>Delete element</source>
        <translation>Удалить элемент</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="60"/>
        <location filename="../src/ui/mainactions.cpp" line="258"/>
        <source>To back</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="61"/>
        <location filename="../src/ui/mainactions.cpp" line="259"/>
        <source>To front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="62"/>
        <source>Element properties</source>
        <translation>Свойства элемента</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="64"/>
        <source>Copy properties</source>
        <translation>Копировать свойства</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="66"/>
        <source>Get background color</source>
        <translation>Взять цвет фона</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="68"/>
        <source>Get foreground color</source>
        <translation>Взять цвет текста</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="70"/>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="71"/>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="72"/>
        <source>100%</source>
        <translation>Масштаб 100%</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="73"/>
        <source>Show elements order</source>
        <translation>Показать порядок элементов</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="75"/>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="76"/>
        <source>Load splash image</source>
        <translation>Загрузить заставку</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="78"/>
        <source>Load animated GIF</source>
        <translation>Загрузить анимированный GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="79"/>
        <source>Clear animated GIF</source>
        <translation>Убрать анимированный GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="81"/>
        <source>Load power screen image</source>
        <translation>Загрузить изображение экрана питания</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="83"/>
        <source>Delete Power fail DRO</source>
        <translation>Удалить индикатор экрана сбоя питания</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="85"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="87"/>
        <source>RGB calculator</source>
        <translation>Калькулятор RGB</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="93"/>
        <source>Next screen</source>
        <translation>Следующий экран</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="94"/>
        <source>Previous screen</source>
        <translation>Предыдущий экран</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="96"/>
        <source>Select all</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="97"/>
        <source>Select every element of the screen</source>
        <translation>Выделить все элементы экрана</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="98"/>
        <source>Deselect</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="99"/>
        <source>Clear the selection</source>
        <translation>Снять выделение со всех элементов</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="100"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="110"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1011"/>
        <source>Screen designer for Tarvolt RU</source>
        <translation>Дизайнер экранов для Tarvolt RU</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="247"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="278"/>
        <location filename="../src/ui/mainactions.cpp" line="249"/>
        <source>Work screen</source>
        <translation>Рабочий экран</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="279"/>
        <location filename="../src/ui/mainactions.cpp" line="250"/>
        <source>Splash screen</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="251"/>
        <source>Power screen</source>
        <translation>Экран питания</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="252"/>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="253"/>
        <location filename="../src/ui/mainactions.cpp" line="254"/>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="255"/>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="256"/>
        <source>Recent projects</source>
        <translation>Последние проекты</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="257"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="260"/>
        <location filename="../src/ui/mainactions.cpp" line="261"/>
        <source>Time colors</source>
        <translation>Цвета часов</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="280"/>
        <source>Power fail screen</source>
        <translation>Экран сбоя питания</translation>
    </message>
    <message>
        <location filename="../src/ui/designarea.cpp" line="281"/>
        <source>Frames of animated image</source>
        <translation>Кадры анимации</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1016"/>
        <source>Delete item</source>
        <translation>Удалить кадр</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1018"/>
        <source>Generate: %v / %m</source>
        <translation>Формирование: %v / %m</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_commands.cpp" line="39"/>
        <source>Animated GIF</source>
        <translation>Анимированный GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_commands.cpp" line="39"/>
        <source>GIF (*.gif)</source>
        <translation>GIF (*.gif)</translation>
    </message>
    <message>
        <location filename="../src/ui/mainactions.cpp" line="248"/>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="111"/>
        <source>Screen project (*.lcd *.json);;Screen project (*.lcd);;Screen project as text (*.json)</source>
        <translation>Проект экранов (*.lcd *.json);;Проект экранов (*.lcd);;Проект экранов в виде текста (*.json)</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="115"/>
        <source>Screen project as text (*.json)</source>
        <translation>Проект экранов в виде текста (*.json)</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1162"/>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1162"/>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1163"/>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1163"/>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1166"/>
        <source>Undo History</source>
        <translation>История отмен</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="1168"/>
        <source>&lt;empty&gt;</source>
        <translation>&lt;пусто&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="27"/>
        <source>Align left</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="29"/>
        <source>Align right</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="31"/>
        <source>Align top</source>
        <translation>По верхнему краю</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="33"/>
        <source>Align bottom</source>
        <translation>По нижнему краю</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="35"/>
        <source>Align horizontal centres</source>
        <translation>Центры по горизонтали</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="38"/>
        <source>Align vertical centres</source>
        <translation>Центры по вертикали</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="41"/>
        <source>Distribute horizontally</source>
        <translation>Распределить по горизонтали</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="44"/>
        <source>Distribute vertically</source>
        <translation>Распределить по вертикали</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="47"/>
        <source>Make same width</source>
        <translation>Одинаковая ширина</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="50"/>
        <source>Make same height</source>
        <translation>Одинаковая высота</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="28"/>
        <source>Line up the left edges of the selected elements with the leftmost one</source>
        <translation>Выровнять левые края выделенных элементов по самому левому</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="30"/>
        <source>Line up the right edges of the selected elements with the rightmost one</source>
        <translation>Выровнять правые края выделенных элементов по самому правому</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="32"/>
        <source>Line up the top edges of the selected elements with the topmost one</source>
        <translation>Выровнять верхние края выделенных элементов по самому верхнему</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="34"/>
        <source>Line up the bottom edges of the selected elements with the lowest one</source>
        <translation>Выровнять нижние края выделенных элементов по самому нижнему</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="36"/>
        <source>Centre the selected elements between the left and right edges of the selection</source>
        <translation>Поставить выделенные элементы посередине между левым и правым краями выделения</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="39"/>
        <source>Centre the selected elements between the top and bottom edges of the selection</source>
        <translation>Поставить выделенные элементы посередине между верхним и нижним краями выделения</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="42"/>
        <source>Equal gaps between three or more selected elements; the leftmost and rightmost stay</source>
        <translation>Равные промежутки между тремя и более выделенными элементами; крайние левый и правый остаются на месте</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="45"/>
        <source>Equal gaps between three or more selected elements; the topmost and lowest stay</source>
        <translation>Равные промежутки между тремя и более выделенными элементами; крайние верхний и нижний остаются на месте</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="48"/>
        <source>Give the resizable selected elements the width of the one lowest in the stacking order</source>
        <translation>Дать выделенным элементам с изменяемым размером ширину самого нижнего из них по порядку наложения</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="51"/>
        <source>Give the resizable selected elements the height of the one lowest in the stacking order</source>
        <translation>Дать выделенным элементам с изменяемым размером высоту самого нижнего из них по порядку наложения</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_align.cpp" line="100"/>
        <source>Align</source>
        <translation>Выравнивание</translation>
    </message>
</context>
<context>
    <name>TPalette</name>
    <message>
        <location filename="../src/ui/palette.cpp" line="161"/>
        <source>DRO</source>
        <translation>Цифровой индикатор</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="162"/>
        <source>Progress bar</source>
        <translation>Шкала</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="163"/>
        <source>Any text</source>
        <translation>Произвольный текст</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="164"/>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="165"/>
        <source>Shape</source>
        <translation>Фигура</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="167"/>
        <source> DRO </source>
        <translation> DRO </translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="168"/>
        <source>LED</source>
        <translation>Светодиод</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="169"/>
        <source>BAR</source>
        <translation>Шкала</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="170"/>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="171"/>
        <source> Status </source>
        <translation> Статус </translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="172"/>
        <source> Text</source>
        <translation> Текст</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="173"/>
        <source>Free:</source>
        <translation>Свободно:</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="174"/>
        <source>Layout</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="175"/>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="176"/>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="177"/>
        <source>GIF speed</source>
        <translation>Скорость GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/palette.cpp" line="178"/>
        <source>ms</source>
        <translation>мс</translation>
    </message>
</context>
<context>
    <name>TPanelLink</name>
    <message>
        <location filename="../src/device/panellink.cpp" line="12"/>
        <source>no device</source>
        <translation>нет устройства</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="16"/>
        <source>no answer from the panel</source>
        <translation>панель не отвечает</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="20"/>
        <source>no answer from the panel: it was unplugged</source>
        <translation>панель не отвечает: она отключена</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="24"/>
        <source>Busy: another command is still running</source>
        <translation>Занято: ещё выполняется другая команда</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="194"/>
        <source>There is no panel to send to (%1)</source>
        <translation>Нет панели для отправки (%1)</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="214"/>
        <source>the command has ended: %1</source>
        <translation>команда прервана: %1</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="224"/>
        <source>The panel&apos;s output report of %1 bytes is not supported (%2 to %3 bytes)</source>
        <translation>Выходной отчёт панели длиной %1 байт не поддерживается (допустимо от %2 до %3 байт)</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="28"/>
        <source>%1: no permission to open it</source>
        <translation>%1: нет прав на её открытие</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="32"/>
        <source>%1: cannot be opened</source>
        <translation>%1: не удаётся открыть</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="78"/>
        <source>The panel</source>
        <translation>Панель</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="91"/>
        <source>The panel is attached but cannot be opened: %1.</source>
        <translation>Панель подключена, но открыть её не удаётся: %1.</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="93"/>
        <source>The panel is attached, but this user may not open it: %1.</source>
        <translation>Панель подключена, но у этого пользователя нет прав открыть её: %1.</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="94"/>
        <source>Install the udev rule %1 (the package puts it in /usr/lib/udev/rules.d; from a build, copy packaging/%1 to /etc/udev/rules.d), then unplug the panel and plug it in again.</source>
        <translation>Установите правило udev %1 (пакет кладёт его в /usr/lib/udev/rules.d; при работе из сборки скопируйте packaging/%1 в /etc/udev/rules.d), затем отключите панель и подключите её снова.</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="98"/>
        <source>The rule names vendor id 20A0 and product id 4122; for these ids add a line as its comment shows.</source>
        <translation>Правило называет код производителя 20A0 и код изделия 4122; для этих кодов добавьте строку, как показано в его комментарии.</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="173"/>
        <source>The panel was unplugged</source>
        <translation>Панель отключена</translation>
    </message>
    <message>
        <location filename="../src/device/panellink.cpp" line="174"/>
        <source>The panel&apos;s link failed (%1); it is closed and will be opened again when it is found</source>
        <translation>Связь с панелью нарушена (%1); она закрыта и будет открыта снова, когда найдётся</translation>
    </message>
</context>
<context>
    <name>TPanelText</name>
    <message>
        <location filename="../src/panel/panelrender.cpp" line="150"/>
        <source>The set has no work screen %1 (it has %2).</source>
        <translation>В наборе нет рабочего экрана %1 (их %2).</translation>
    </message>
    <message>
        <location filename="../src/panel/panelrender.cpp" line="160"/>
        <source>00/01.elm: the splash screen takes the first work screen&apos;s size, which that table does not give</source>
        <translation>00/01.elm: заставка берёт размер первого рабочего экрана, а эта таблица его не даёт</translation>
    </message>
    <message>
        <location filename="../src/panel/panelrender.cpp" line="166"/>
        <source>anime.bin holds %1 frames; there is no frame %2.</source>
        <translation>в anime.bin %1 кадров; кадра %2 нет.</translation>
    </message>
    <message>
        <location filename="../src/panel/panelrender.cpp" line="187"/>
        <source>00/01.elm: the power-fail screen takes the first work screen&apos;s size, which that table does not give</source>
        <translation>00/01.elm: экран сбоя питания берёт размер первого рабочего экрана, а эта таблица его не даёт</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="56"/>
        <location filename="../src/panel/panelset.cpp" line="130"/>
        <location filename="../src/panel/panelset.cpp" line="140"/>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="61"/>
        <source>%1 bytes, %2 expected</source>
        <translation>%1 байт, ожидалось %2</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="68"/>
        <location filename="../src/panel/panelset.cpp" line="238"/>
        <source>%1 bytes could be read, %2 expected</source>
        <translation>прочитано %1 байт, ожидалось %2</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="80"/>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 точек)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="101"/>
        <source>DRO</source>
        <translation>индикатор</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="103"/>
        <source>LED</source>
        <translation>светодиод</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="105"/>
        <source>bar</source>
        <translation>шкала</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="107"/>
        <source>shift mark</source>
        <translation>знак Shift</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="109"/>
        <source>status line</source>
        <translation>строка состояния</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="111"/>
        <source>clock</source>
        <translation>часы</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="113"/>
        <source>kind %1</source>
        <translation>вид %1</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="142"/>
        <source>%1 bytes, shorter than the %2-byte header</source>
        <translation>%1 байт, короче заголовка в %2 байт</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="147"/>
        <source>%1 bytes, more than a table of 255 records holds (%2)</source>
        <translation>%1 байт, больше, чем вмещает таблица из 255 записей (%2)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="160"/>
        <source>the header begins with %1, not 1</source>
        <translation>заголовок начинается с %1, а не с 1</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="162"/>
        <source>orientation %1, neither 0 (portrait) nor 1 (landscape)</source>
        <translation>ориентация %1 — ни 0 (книжная), ни 1 (альбомная)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="168"/>
        <source>a %1 screen of %2 x %3; the panel&apos;s is %4 x %5</source>
        <translation>%1 экран %2 x %3; у пульта %4 x %5</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="169"/>
        <source>landscape</source>
        <translation>альбомный</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="169"/>
        <source>portrait</source>
        <translation>книжный</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="183"/>
        <source>%1 records announced, %2 present</source>
        <translation>объявлено записей: %1, есть: %2</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="185"/>
        <source>%1 records announced, %2 present and %3 bytes more</source>
        <translation>объявлено записей: %1, есть: %2 и ещё %3 байт</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="196"/>
        <source>record %1: kind %2 is not one the panel draws</source>
        <translation>запись %1: вид %2 пульт не рисует</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="202"/>
        <source>record %1 (%2): %3 x %4 is not a row of whole %5 x %6 cells</source>
        <translation>запись %1 (%2): %3 x %4 — не ряд целых ячеек %5 x %6</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="227"/>
        <source>missing (the bar of record %1)</source>
        <translation>отсутствует (шкала записи %1)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="229"/>
        <source>%1 bytes, not a whole number of pixels</source>
        <translation>%1 байт, не целое число точек</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="231"/>
        <source>%1 bytes, more than a bar picture row holds (%2)</source>
        <translation>%1 байт, больше, чем вмещает строка рисунка шкалы (%2)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="462"/>
        <source>announces no work screen</source>
        <translation>не объявляет ни одного рабочего экрана</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="503"/>
        <source>digits of %1 x %2: a field of two does not fit the %3 x %4 splash screen</source>
        <translation>цифры %1 x %2: поле из двух не помещается на заставке %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="518"/>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="523"/>
        <source>missing; tm.bin shows the clock</source>
        <translation>отсутствует; tm.bin показывает часы</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="550"/>
        <source>announces no frame</source>
        <translation>не объявляет ни одного кадра</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="558"/>
        <source>frames of %1 x %2 at %3, %4 do not lie within the %5 x %6 splash screen</source>
        <translation>кадры %1 x %2 в точке %3, %4 выходят за заставку %5 x %6</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="573"/>
        <source>missing; anime.bin announces %1 frames</source>
        <translation>отсутствует; anime.bin объявляет кадров: %1</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="594"/>
        <source>kind %1; the power-fail readout is a DRO (0)</source>
        <translation>вид %1; индикатор сбоя питания — DRO (0)</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="626"/>
        <source>beyond the %1 frames anime.bin announces</source>
        <translation>сверх %1 кадров, объявленных в anime.bin</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="630"/>
        <location filename="../src/panel/panelset.cpp" line="649"/>
        <location filename="../src/panel/panelset.cpp" line="657"/>
        <source>not part of the set; the panel ignores it</source>
        <translation>не входит в набор; пульт его пропускает</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="632"/>
        <source>a digit file without tm.bin; the panel ignores it</source>
        <translation>файл цифры без tm.bin; пульт его пропускает</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="634"/>
        <source>a frame file without anime.bin; the panel ignores it</source>
        <translation>файл кадра без anime.bin; пульт его пропускает</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="646"/>
        <source>a screen folder beyond the %1 that lcdconfig announces; the panel ignores it</source>
        <translation>папка экрана сверх %1, объявленных в lcdconfig; пульт её пропускает</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <location filename="../src/ui/upreview.cpp" line="77"/>
        <source>SD-card set</source>
        <translation>Набор для SD-карты</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="96"/>
        <source>Preview SD-card set</source>
        <translation>Просмотр набора для SD-карты</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="97"/>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="98"/>
        <source>Folder...</source>
        <translation>Папка...</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="99"/>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="100"/>
        <source>LEDs on</source>
        <translation>Светодиоды вкл.</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="101"/>
        <source>Check:</source>
        <translation>Проверка:</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="104"/>
        <source>Screen %1</source>
        <translation>Экран %1</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="105"/>
        <source>Splash</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="106"/>
        <source>Power fail</source>
        <translation>Сбой питания</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="109"/>
        <source>The set is whole.</source>
        <translation>Набор полный.</translation>
    </message>
    <message>
        <location filename="../src/ui/upreview.cpp" line="110"/>
        <location filename="../src/ui/upreview.cpp" line="208"/>
        <source>Value: %1</source>
        <translation>Значение: %1</translation>
    </message>
</context>
<context>
    <name>TProject</name>
    <message>
        <location filename="../src/document/clipboard.cpp" line="465"/>
        <source>Paste 1 element</source>
        <translation>Вставить 1 элемент</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="466"/>
        <source>Paste %1 elements</source>
        <translation>Вставить элементы: %1</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="463"/>
        <source>Duplicate 1 element</source>
        <translation>Дублировать 1 элемент</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="464"/>
        <source>Duplicate %1 elements</source>
        <translation>Дублировать элементы: %1</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="490"/>
        <source>Cut 1 element</source>
        <translation>Вырезать 1 элемент</translation>
    </message>
    <message>
        <location filename="../src/document/clipboard.cpp" line="491"/>
        <source>Cut %1 elements</source>
        <translation>Вырезать элементы: %1</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="101"/>
        <source>Drop element</source>
        <translation>Добавить элемент</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="107"/>
        <source>Delete 1 element</source>
        <translation>Удалить 1 элемент</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="108"/>
        <source>Delete %1 elements</source>
        <translation>Удалить элементы: %1</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="159"/>
        <location filename="../src/document/edits.cpp" line="182"/>
        <location filename="../src/document/edits.cpp" line="280"/>
        <source>Move 1 element</source>
        <translation>Переместить 1 элемент</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="160"/>
        <location filename="../src/document/edits.cpp" line="183"/>
        <location filename="../src/document/edits.cpp" line="281"/>
        <source>Move %1 elements</source>
        <translation>Переместить элементы: %1</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="158"/>
        <location filename="../src/document/edits.cpp" line="181"/>
        <source>Resize element</source>
        <translation>Изменить размер элемента</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="357"/>
        <source>Bring to front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="365"/>
        <source>Send to back</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="390"/>
        <source>Add screen</source>
        <translation>Добавить экран</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="399"/>
        <source>Delete screen</source>
        <translation>Удалить экран</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="420"/>
        <source>Move screen</source>
        <translation>Переместить экран</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="499"/>
        <source>Background colour</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="592"/>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="592"/>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_commands.cpp" line="171"/>
        <location filename="../src/ui/umain_commands.cpp" line="189"/>
        <source>Pick colour</source>
        <translation>Взять цвет</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="41"/>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="45"/>
        <source>Clock transparency</source>
        <translation>Прозрачность часов</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="49"/>
        <location filename="../src/ui/umain_splash.cpp" line="53"/>
        <source>Digit size</source>
        <translation>Размер цифр</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="60"/>
        <source>Clock colour</source>
        <translation>Цвет часов</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="80"/>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="95"/>
        <source>Power screen image</source>
        <translation>Картинка экрана питания</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="147"/>
        <source>Delete frame</source>
        <translation>Удалить кадр</translation>
    </message>
    <message>
        <location filename="../src/ui/umain.cpp" line="251"/>
        <location filename="../src/ui/umain.cpp" line="1080"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="84"/>
        <source>Clear background</source>
        <translation>Убрать фон</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="123"/>
        <source>Load animated GIF</source>
        <translation>Загрузить анимированный GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_splash.cpp" line="132"/>
        <source>Clear animated GIF</source>
        <translation>Убрать анимированный GIF</translation>
    </message>
    <message>
        <location filename="../src/ui/umain_commands.cpp" line="159"/>
        <source>Copy properties</source>
        <translation>Копировать свойства</translation>
    </message>
    <message>
        <location filename="../src/ui/splashpanel.cpp" line="64"/>
        <source>Move clock field</source>
        <translation>Переместить поле часов</translation>
    </message>
    <message>
        <location filename="../src/ui/splashpanel.cpp" line="81"/>
        <source>Move animation</source>
        <translation>Переместить анимацию</translation>
    </message>
    <message>
        <location filename="../src/document/tproject.cpp" line="183"/>
        <source>the recovery copy</source>
        <translation>копия для восстановления</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="192"/>
        <source>Align left</source>
        <translation>Выровнять по левому краю</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="194"/>
        <source>Align right</source>
        <translation>Выровнять по правому краю</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="196"/>
        <source>Align top</source>
        <translation>Выровнять по верхнему краю</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="198"/>
        <source>Align bottom</source>
        <translation>Выровнять по нижнему краю</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="200"/>
        <source>Align horizontal centres</source>
        <translation>Выровнять центры по горизонтали</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="202"/>
        <source>Align vertical centres</source>
        <translation>Выровнять центры по вертикали</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="204"/>
        <source>Distribute horizontally</source>
        <translation>Распределить по горизонтали</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="206"/>
        <source>Distribute vertically</source>
        <translation>Распределить по вертикали</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="208"/>
        <source>Make same width</source>
        <translation>Сделать одинаковой ширины</translation>
    </message>
    <message>
        <location filename="../src/document/edits.cpp" line="212"/>
        <source>Make same height</source>
        <translation>Сделать одинаковой высоты</translation>
    </message>
</context>
<context>
    <name>TPropBarForm</name>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="115"/>
        <source>Order No</source>
        <translation>Порядковый номер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="116"/>
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="117"/>
        <source>H</source>
        <translation>В</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="118"/>
        <source>Red %</source>
        <translation>Красный %</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="119"/>
        <source>Yellow %</source>
        <translation>Жёлтый %</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="120"/>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="121"/>
        <source>Test:</source>
        <translation>Тест:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropbar.cpp" line="122"/>
        <source>Default colors</source>
        <translation>Цвета по умолчанию</translation>
    </message>
</context>
<context>
    <name>TPropForm</name>
    <message>
        <location filename="../src/dialogs/propform.cpp" line="37"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location filename="../src/dialogs/propform.cpp" line="39"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/dialogs/propform.h" line="21"/>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../src/dialogs/propform.h" line="22"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TPropLEDForm</name>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="70"/>
        <source>Order No</source>
        <translation>Порядковый номер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="71"/>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="72"/>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="73"/>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="74"/>
        <source>Continuously</source>
        <translation>Постоянно</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="75"/>
        <source>Pulsing</source>
        <translation>Мигание</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropled.cpp" line="76"/>
        <source>Blink interval (ms)</source>
        <translation>Интервал мигания (мс)</translation>
    </message>
</context>
<context>
    <name>TPropLblForm</name>
    <message>
        <location filename="../src/dialogs/uproplbl.cpp" line="77"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproplbl.cpp" line="78"/>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproplbl.cpp" line="79"/>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
</context>
<context>
    <name>TPropShiftForm</name>
    <message>
        <location filename="../src/dialogs/upropshiftpas.cpp" line="29"/>
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshiftpas.cpp" line="30"/>
        <source>H</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>TPropShpForm</name>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="51"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="52"/>
        <source>Canvas</source>
        <translation>Контур</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="53"/>
        <source>The colour of the shape&apos;s outline</source>
        <translation>Цвет контура фигуры</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="54"/>
        <source>The colour inside the shape</source>
        <translation>Цвет внутри фигуры</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="55"/>
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="56"/>
        <source>H</source>
        <translation>В</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="57"/>
        <source> Shape </source>
        <translation> Фигура </translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="58"/>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="58"/>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="58"/>
        <source>Round rectangle</source>
        <translation>Скруглённый прямоугольник</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="59"/>
        <source>Round square</source>
        <translation>Скруглённый квадрат</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="59"/>
        <source>Ellipse</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="59"/>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
</context>
<context>
    <name>TPropTimeForm</name>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="38"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="39"/>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="40"/>
        <source>dW</source>
        <translation>dШ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="41"/>
        <source>dH</source>
        <translation>dВ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="42"/>
        <source>Width of each character: 1 is 8 pixels, 2 is 16, ...</source>
        <translation>Ширина каждого символа: 1 — 8 пикселей, 2 — 16, ...</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptime.cpp" line="43"/>
        <source>Height of each character: 1 is 14 pixels, 2 is 28, ...</source>
        <translation>Высота каждого символа: 1 — 14 пикселей, 2 — 28, ...</translation>
    </message>
</context>
<context>
    <name>TPropTxtForm</name>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="93"/>
        <source>Order No</source>
        <translation>Порядковый номер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="94"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="95"/>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="96"/>
        <source>dW</source>
        <translation>dШ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="97"/>
        <source>dH</source>
        <translation>dВ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="98"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="99"/>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="101"/>
        <source>The value the designer shows; on the panel the machine sets it</source>
        <translation>Значение, которое показывает дизайнер; на пульте его задаёт станок</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="103"/>
        <source>How the value is written, in C notation: %7.3f is 7 characters with 3 decimals (at most 10 characters)</source>
        <translation>Как записывается значение, в нотации C: %7.3f — 7 символов, из них 3 после запятой (не более 10 символов)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="105"/>
        <source>The number by which the panel&apos;s program sets this readout&apos;s value</source>
        <translation>Номер, по которому программа пульта задаёт значение этого индикатора</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="106"/>
        <source>Width of each character: 1 is 8 pixels, 2 is 16, ...</source>
        <translation>Ширина каждого символа: 1 — 8 пикселей, 2 — 16, ...</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="107"/>
        <source>Height of each character: 1 is 14 pixels, 2 is 28, ...</source>
        <translation>Высота каждого символа: 1 — 14 пикселей, 2 — 28, ...</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="108"/>
        <source>Show as Axis</source>
        <translation>Показывать как ось</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="109"/>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="110"/>
        <source>Axis</source>
        <translation>Ось</translation>
    </message>
</context>
<context>
    <name>TScreenView</name>
    <message>
        <location filename="../src/model/tlcd.cpp" line="115"/>
        <source>Shift status</source>
        <translation>Состояние Shift</translation>
    </message>
</context>
<context>
    <name>TSetForm</name>
    <message>
        <location filename="../src/dialogs/usettings.cpp" line="66"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../src/dialogs/usettings.cpp" line="67"/>
        <source>Maximum elements count</source>
        <translation>Максимум элементов</translation>
    </message>
    <message>
        <location filename="../src/dialogs/usettings.cpp" line="68"/>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <location filename="../src/dialogs/usettings.cpp" line="69"/>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <location filename="../src/dialogs/usettings.cpp" line="70"/>
        <source>Lang</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>TTimeGroup</name>
    <message>
        <location filename="../src/ui/timegroup.cpp" line="45"/>
        <source> Time </source>
        <translation> Время </translation>
    </message>
    <message>
        <location filename="../src/ui/timegroup.cpp" line="46"/>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <location filename="../src/ui/timegroup.cpp" line="47"/>
        <source>Transp.</source>
        <translation>Прозр.</translation>
    </message>
    <message>
        <location filename="../src/ui/timegroup.cpp" line="48"/>
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <location filename="../src/ui/timegroup.cpp" line="49"/>
        <source>H</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>jsonproject</name>
    <message>
        <location filename="../src/project/jsonproject.cpp" line="422"/>
        <source>&apos;:&apos;</source>
        <translation>&apos;:&apos;</translation>
    </message>
    <message>
        <location filename="../src/project/jsonproject.cpp" line="432"/>
        <source>&apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; или &apos;}&apos;</translation>
    </message>
    <message>
        <location filename="../src/project/jsonproject.cpp" line="452"/>
        <source>&apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; или &apos;]&apos;</translation>
    </message>
</context>
<context>
    <name>lcdfile</name>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="30"/>
        <source>format</source>
        <translation>формат</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="31"/>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="32"/>
        <source>red picture file</source>
        <translation>файл красного изображения</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="33"/>
        <source>yellow picture file</source>
        <translation>файл жёлтого изображения</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="34"/>
        <source>green picture file</source>
        <translation>файл зелёного изображения</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="35"/>
        <source>background picture file</source>
        <translation>файл фонового изображения</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="36"/>
        <source>font name</source>
        <translation>имя шрифта</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="48"/>
        <source>The project file &quot;%1&quot; is damaged: %2.</source>
        <translation>Файл проекта «%1» повреждён: %2.</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="53"/>
        <source>work screen %1</source>
        <translation>рабочий экран %1</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="54"/>
        <source>the power-fail screen</source>
        <translation>экран сбоя питания</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="62"/>
        <source>it ends inside the header of %1</source>
        <translation>файл обрывается внутри заголовка (%1)</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="67"/>
        <source>%1 announces %2 elements but the file holds only %3</source>
        <translation>%1: объявлено элементов: %2, а в файле только %3</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="74"/>
        <source>the %1 of element %2 on %3 is longer than its field</source>
        <translation>%3, элемент %2: %1 длиннее своего поля</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="121"/>
        <source>&quot;%1&quot;: no such file (used by %2)</source>
        <translation>«%1»: файл не найден (используется: %2)</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="123"/>
        <source>&quot;%1&quot;: %2 (used by %3)</source>
        <translation>«%1»: %2 (используется: %3)</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="171"/>
        <source>red</source>
        <translation>красная</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="172"/>
        <source>yellow</source>
        <translation>жёлтая</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="173"/>
        <source>green</source>
        <translation>зелёная</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="174"/>
        <source>background</source>
        <translation>фоновая</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="179"/>
        <source>the background of %1</source>
        <translation>фон: %1</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="183"/>
        <source>image element %1 on %2</source>
        <translation>изображение %1, %2</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="187"/>
        <source>the %1 picture of bar element %2 on %3</source>
        <translation>%1 картинка шкалы %2, %3</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="250"/>
        <source>&quot;%1&quot; (%2): %3</source>
        <translation>«%1» (%2): %3</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="323"/>
        <source>A screen holds %1 elements; a project file can keep at most %2.</source>
        <translation>На экране %1 элементов; файл проекта вмещает не более %2.</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="346"/>
        <source>Cannot write the project: %1</source>
        <translation>Не удаётся записать проект: %1</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="358"/>
        <source>screen block</source>
        <translation>блок экрана</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="366"/>
        <source>unexpected bytes after the block</source>
        <translation>после блока лишние байты</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="376"/>
        <source>A project needs at least one work screen.</source>
        <translation>В проекте должен быть хотя бы один рабочий экран.</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="378"/>
        <source>The project has %1 work screens; a project file can keep at most %2.</source>
        <translation>В проекте %1 рабочих экранов; файл проекта вмещает не более %2.</translation>
    </message>
    <message>
        <location filename="../src/project/jsonproject.cpp" line="976"/>
        <location filename="../src/project/lcdfile.cpp" line="410"/>
        <source>Cannot save the project to &quot;%1&quot;: %2</source>
        <translation>Не удаётся сохранить проект в «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="433"/>
        <source>it ends inside the project header</source>
        <translation>файл обрывается внутри заголовка проекта</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="436"/>
        <source>it holds no work screen</source>
        <translation>в нём нет ни одного рабочего экрана</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="442"/>
        <source>%1 unexpected bytes follow the power-fail screen</source>
        <translation>после экрана сбоя питания лишние байты: %1</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="486"/>
        <source>the splash animation</source>
        <translation>анимация заставки</translation>
    </message>
    <message>
        <location filename="../src/project/lcdfile.cpp" line="533"/>
        <source>it is larger than any project can be</source>
        <translation>он больше, чем может быть любой проект</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="56"/>
        <source>Cannot decode GIF file &quot;%1&quot;. %2</source>
        <translation>Не удаётся декодировать GIF-файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="69"/>
        <source>The file ends after %1 bytes, before its data is complete.</source>
        <translation>Файл обрывается после %1 байт, данные неполные.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="73"/>
        <source>GIF error %1</source>
        <translation>Ошибка GIF %1</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="129"/>
        <source>Its logical screen is empty (%1 x %2).</source>
        <translation>Его логический экран пуст (%1 x %2).</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="132"/>
        <source>Its logical screen of %1 x %2 is larger than %3 x %3.</source>
        <translation>Его логический экран %1 x %2 больше, чем %3 x %3.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="167"/>
        <source>It holds more than %1 frames.</source>
        <translation>В нём больше %1 кадров.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="173"/>
        <source>Frame %1 is empty.</source>
        <translation>Кадр %1 пуст.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="175"/>
        <source>Frame %1 (%2 x %3 at %4, %5) does not lie within the logical screen of %6 x %7.</source>
        <translation>Кадр %1 (%2 x %3 в точке %4, %5) выходит за логический экран %6 x %7.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="187"/>
        <source>Frame %1 has no colour map.</source>
        <translation>У кадра %1 нет палитры.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="201"/>
        <source>Frame %1 uses colour %2, beyond its colour map of %3 colours.</source>
        <translation>Кадр %1 использует цвет %2 за пределами своей палитры из %3 цветов.</translation>
    </message>
    <message>
        <location filename="../src/base/gifdecode.cpp" line="216"/>
        <source>It holds no frame.</source>
        <translation>В нём нет ни одного кадра.</translation>
    </message>
    <message>
        <location filename="../src/output/animation.cpp" line="188"/>
        <source>The animation (%1 x %2 at %3, %4) does not lie within the splash screen of %5 x %6.</source>
        <translation>Анимация (%1 x %2 в точке %3, %4) выходит за экран заставки %5 x %6.</translation>
    </message>
    <message>
        <location filename="../src/output/outputfiles.cpp" line="67"/>
        <location filename="../src/base/atomicfile.cpp" line="34"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="38"/>
        <source>Generate will not empty the output folder &quot;%1&quot;: %2</source>
        <translation>Генерация не будет очищать выходную папку «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="107"/>
        <source>The project file name &quot;%1&quot; has no name before its extension, so it names no output folder. Rename the project.</source>
        <translation>В имени файла проекта «%1» нет имени перед расширением, поэтому выходная папка не определена. Переименуйте проект.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="115"/>
        <source>it is a link to another folder, whose files are not this project&apos;s.</source>
        <translation>это ссылка на другую папку, её файлы не принадлежат проекту.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="122"/>
        <source>it is the project&apos;s own folder or a folder above it.</source>
        <translation>это папка самого проекта или папка выше неё.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="127"/>
        <source>it is the home folder or a folder above it.</source>
        <translation>это домашняя папка или папка выше неё.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="130"/>
        <source>it is a root folder.</source>
        <translation>это корневая папка.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="141"/>
        <source>it holds &quot;%1&quot;, which the project uses.</source>
        <translation>в ней лежит «%1», который использует проект.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="151"/>
        <source>it is not empty and holds no &quot;lcdconfig&quot;, so it is no earlier output of Generate. Choose an empty folder, or add --force to empty it all the same.</source>
        <translation>она не пуста и в ней нет «lcdconfig», значит это не результат прежней генерации. Выберите пустую папку или добавьте --force, чтобы всё равно её очистить.</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="188"/>
        <source>The project has no work screen.</source>
        <translation>В проекте нет ни одного рабочего экрана.</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="35"/>
        <source>Picture is too large: %1 x %2 pixels (at most %3 pixels)</source>
        <translation>Изображение слишком велико: %1 x %2 пикселей (не более %3 пикселей)</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="164"/>
        <location filename="../src/base/urgb.cpp" line="356"/>
        <source>Not enough memory for a %1 x %2 picture</source>
        <translation>Недостаточно памяти для изображения %1 x %2</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="173"/>
        <source>JPEG file &quot;%1&quot; is too large</source>
        <translation>JPEG-файл «%1» слишком велик</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="292"/>
        <source>BMP file &quot;%1&quot; is too large</source>
        <translation>Файл BMP «%1» слишком велик</translation>
    </message>
    <message>
        <location filename="../src/panel/panelset.cpp" line="336"/>
        <location filename="../src/base/regularfile.cpp" line="28"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="227"/>
        <source>JPEG image has an unsupported colour layout</source>
        <translation>Цветовая схема JPEG-изображения не поддерживается</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="231"/>
        <source>the JPEG decoder warns &quot;%1&quot;; parts of the picture may be missing</source>
        <translation>декодер JPEG предупреждает: «%1»; части изображения могут отсутствовать</translation>
    </message>
    <message>
        <location filename="../src/base/urgb.cpp" line="289"/>
        <source>Bitmap image is not valid</source>
        <translation>Недопустимое растровое изображение</translation>
    </message>
    <message>
        <location filename="../src/base/picturecache.cpp" line="102"/>
        <source>The pictures of this project take more than %1 pixels of memory; &quot;%2&quot; (%3 x %4) is one too many.</source>
        <translation>Изображения этого проекта занимают в памяти больше %1 пикселей; «%2» (%3 x %4) уже не помещается.</translation>
    </message>
    <message>
        <location filename="../src/base/regularfile.cpp" line="33"/>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» не является обычным файлом.</translation>
    </message>
    <message>
        <location filename="../src/base/regularfile.cpp" line="40"/>
        <source>&quot;%1&quot; is larger than %2 bytes.</source>
        <translation>«%1» больше %2 байт.</translation>
    </message>
    <message>
        <location filename="../src/base/regularfile.cpp" line="98"/>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Не удаётся прочитать файл «%1». %2</translation>
    </message>
    <message>
        <location filename="../src/output/generate.cpp" line="267"/>
        <source>The file set in &quot;%1&quot; is incomplete.</source>
        <translation>Набор файлов в &quot;%1&quot; неполон.</translation>
    </message>
</context>
<context>
    <name>propmsg</name>
    <message>
        <location filename="../src/dialogs/propmessages.cpp" line="26"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» — недопустимое число с плавающей точкой</translation>
    </message>
    <message>
        <location filename="../src/dialogs/propmessages.cpp" line="31"/>
        <source>&quot;%1&quot; is not a BMP or JPEG picture</source>
        <translation>«%1» — не изображение BMP или JPEG</translation>
    </message>
</context>
</TS>
