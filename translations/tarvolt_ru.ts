<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>TMForm</name>
    <message>
        <source>Screen designer for Tarvolt RU</source>
        <translation>Дизайнер экранов для Tarvolt RU</translation>
    </message>
</context>
</TS>
