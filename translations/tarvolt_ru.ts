<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
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
    <name>TDownloadForm</name>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="90"/>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="91"/>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="92"/>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="93"/>
        <source>VID</source>
        <translation>VID</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="94"/>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="95"/>
        <source>&lt;-- hexadecimal string</source>
        <translation>&lt;-- шестнадцатеричная строка</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="96"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="97"/>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="97"/>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="97"/>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="98"/>
        <source>Write all</source>
        <translation>Записать все</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="99"/>
        <location filename="../src/dialogs/udownload.cpp" line="101"/>
        <source>Start download process</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="100"/>
        <source>Write selected</source>
        <translation>Записать выбранные</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="102"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="103"/>
        <source>Light interval</source>
        <translation>Интервал подсветки</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="104"/>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="105"/>
        <source>Get interval</source>
        <translation>Прочитать интервал</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="106"/>
        <source>Set interval</source>
        <translation>Задать интервал</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="107"/>
        <source>Date / time</source>
        <translation>Дата / время</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="108"/>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <location filename="../src/dialogs/udownload.cpp" line="109"/>
        <source>Set date/time</source>
        <translation>Задать дату/время</translation>
    </message>
</context>
<context>
    <name>TMForm</name>
    <message>
        <source>Screen designer for Tarvolt RU</source>
        <translation>Дизайнер экранов для Tarvolt RU</translation>
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
        <location filename="../src/dialogs/propform.cpp" line="33"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location filename="../src/dialogs/propform.cpp" line="35"/>
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
        <location filename="../src/dialogs/uproplbl.cpp" line="64"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproplbl.cpp" line="65"/>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproplbl.cpp" line="66"/>
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
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="54"/>
        <source>H</source>
        <translation>В</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="55"/>
        <source> Shape </source>
        <translation> Фигура </translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="56"/>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="56"/>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="56"/>
        <source>Round rectangle</source>
        <translation>Скруглённый прямоугольник</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="57"/>
        <source>Round square</source>
        <translation>Скруглённый квадрат</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="57"/>
        <source>Ellipse</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <location filename="../src/dialogs/upropshp.cpp" line="57"/>
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
</context>
<context>
    <name>TPropTxtForm</name>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="89"/>
        <source>Order No</source>
        <translation>Порядковый номер</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="90"/>
        <source>Back</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="91"/>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="92"/>
        <source>dW</source>
        <translation>dШ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="93"/>
        <source>dH</source>
        <translation>dВ</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="94"/>
        <source>Show as Axis</source>
        <translation>Показывать как ось</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="95"/>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <location filename="../src/dialogs/uproptxt.cpp" line="96"/>
        <source>Axis</source>
        <translation>Ось</translation>
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
</TS>
