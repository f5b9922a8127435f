<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>halvo</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two	columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line one
line two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back\slash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 for Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة يدوية</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
