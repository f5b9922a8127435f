<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A handful of hand-filled entries, so the tests see a right-to-left
     language whatever the state of the shipped catalogues. -->
<TS version="2.1" language="ar">
<context>
    <name>halvo</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Select Location</source>
        <translation>اختر الموقع</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Moon Age:</source>
        <translation>عمر القمر:</translation>
    </message>
    <message>
        <source>Halvo Tavorin</source>
        <translation>هالفو تافورين</translation>
    </message>
    <message>
        <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
        <translation>مواقيت الصلاة والتاريخ الهجري واتجاه القبلة لمدينتك</translation>
    </message>
    <message>
        <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
        <translation>مواقيت الصلاة اليومية والتاريخ الهجري والقبلة لمدينتك</translation>
    </message>
    <message>
        <source>prayer;salat;adhan;qibla;hijri;islam;</source>
        <translation>صلاة;أذان;قبلة;هجري;إسلام;</translation>
    </message>
</context>
</TS>
