<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A handful of hand-filled entries, so the tests see a right-to-left
     language whatever the state of the shipped catalogues. -->
<TS version="2.1" language="ur">
<context>
    <name>halvo</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
</context>
</TS>
