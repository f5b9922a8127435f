<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>إظهار النافذة</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>إيقاف الأذان</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>التشغيل عند تسجيل الدخول</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>إنهاء</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>إخفاء النافذة</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>تعذّر تغيير التشغيل عند تسجيل الدخول</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>ما زال Halvo Tavorin يعمل في علبة النظام</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>للإنهاء استخدم قائمة أيقونة علبة النظام، أو Ctrl+Q في النافذة.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 دقيقة</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 ساعة %2 دقيقة</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 غير موجودة في قائمة المدن</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>لا يوجد وقت صلاة في %1 اليوم أو غدًا</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>حان وقت %1</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2، بعد %3</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (التالية)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2 بعد %3، %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>مواقيت الصلاة معروضة لـ %1. هل تستخدم %2 (منطقتك الزمنية)؟</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>استخدام %1</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>بحث عن مدينة…</translation>
        </message>
    </context>
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
            <source>About Halvo Tavorin</source>
            <translation>حول Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>إعدادات التاريخ</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>تطبيق</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>مساعدة</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>اختيار الموقع</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>إضافة بيانات مدينة</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>اختيار طريقة العصر</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>طرق حساب الفجر والعشاء</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>إضافة زوايا الشفق</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>اليوم بالتقويم الهجري</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>مساعدة زوايا الشفق</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>إرشادات</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>حذف مدينة</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>ضبط الأذان</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>الفجر</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>العصر</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>العشاء</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>الظهر</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>المغرب</translation>
        </message>
        <message>
            <source>All</source>
            <translation>الكل</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>الأذان</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>تجربة الصوت</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>اتجاه القبلة</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>تفضيلات الألوان...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>تغيير لون الخلفية</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>تغيير لون النص</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>تغيير لون العناوين</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>طور القمر</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>لوحة الألوان</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>من الهجري إلى الميلادي</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>إغلاق</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>تعديل المنطقة الزمنية</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>المناسبات الإسلامية</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>ذكّرني</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>التذكير</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ملف</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>من الميلادي إلى الهجري</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>من الهجري إلى الميلادي</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>تغيير التاريخ</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>العودة إلى تاريخ اليوم</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>طور القمر</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>جدول المواقيت...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>خروج</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>الموقع</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>إضافة موقع جديد</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>تعديل الموقع</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>حذف موقع</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>بحث عن مدينة...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>الإعدادات</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>طريقة حساب العصر</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>زوايا الشفق</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>إضافة زوايا جديدة</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>تعديل المناطق الزمنية</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>تشغيل/إيقاف الأذان</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>التفضيلات</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>خيارات الحساب...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>مساعدة</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>المحتويات</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>حول Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>أدوات</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>التذكير بالمناسبات</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>خروج</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>الشروق</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>محرم</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>صفر</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>ربيع الأول</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>ربيع الآخر</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>جمادى الأولى</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>جمادى الآخرة</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>رجب</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>شعبان</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>رمضان</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>شوال</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>ذو القعدة</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>ذو الحجة</translation>
        </message>
        <message>
            <source>January</source>
            <translation>يناير</translation>
        </message>
        <message>
            <source>February</source>
            <translation>فبراير</translation>
        </message>
        <message>
            <source>March</source>
            <translation>مارس</translation>
        </message>
        <message>
            <source>April</source>
            <translation>أبريل</translation>
        </message>
        <message>
            <source>May</source>
            <translation>مايو</translation>
        </message>
        <message>
            <source>June</source>
            <translation>يونيو</translation>
        </message>
        <message>
            <source>July</source>
            <translation>يوليو</translation>
        </message>
        <message>
            <source>August</source>
            <translation>أغسطس</translation>
        </message>
        <message>
            <source>September</source>
            <translation>سبتمبر</translation>
        </message>
        <message>
            <source>October</source>
            <translation>أكتوبر</translation>
        </message>
        <message>
            <source>November</source>
            <translation>نوفمبر</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ديسمبر</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>الأحد</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>الاثنين</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>الثلاثاء</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>الأربعاء</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>الخميس</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>الجمعة</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>السبت</translation>
        </message>
        <message>
            <source>None</source>
            <translation>لا يوجد</translation>
        </message>
        <message>
            <source>First</source>
            <translation>الأول</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>الثاني</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>الثالث</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>الرابع</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>الخامس</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>المحاق</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>هلال متزايد</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>التربيع الأول</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>أحدب متزايد</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>البدر</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>أحدب متناقص</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>التربيع الأخير</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>هلال متناقص</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>رأس السنة الهجرية</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>هجرة النبي من مكة إلى المدينة.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>عاشوراء</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>ذكرى استشهاد الحسين </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>المولد النبوي</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>ذكرى مولد النبي</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>الإسراء والمعراج</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>معراج النبي إلى السماء.</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>أول رمضان</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>بداية شهر الصيام المبارك</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>ليلة القدر</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>عيد الفطر</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>عيد الفطر بعد صيام رمضان.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>يوم عرفة</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>آخر ما نزل من الوحي على النبي بعرفات</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>عيد الأضحى</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>عيد الأضحى في ختام مناسك الحج.</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>ص</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>م</translation>
        </message>
        <message>
            <source>Hanafi</source>
            <translation>حنفي</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>شافعي</translation>
        </message>
        <message>
            <source>North</source>
            <translation>شمال</translation>
        </message>
        <message>
            <source>South</source>
            <translation>جنوب</translation>
        </message>
        <message>
            <source>East</source>
            <translation>شرق</translation>
        </message>
        <message>
            <source>West</source>
            <translation>غرب</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>سيستخدم البرنامج إعدادات نظامك</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>المحلية افتراضيًا.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>للحصول على مواقيت صلاة دقيقة،</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>احرص على ضبط ما يلي في</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>قائمة الإعدادات:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1. اختر طريقة العصر (حنفي/شافعي).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2. اختر إحدى قيم زوايا الشفق</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>المستخدمة لحساب وقتي الفجر والعشاء</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>ويمكنك أيضًا معرفة مواقيت الصلاة لأي</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>موقع في أي وقت من خيارات القوائم الأخرى</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>إن واجهتك أي مشكلة، يرجى</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin الإصدار 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>تشغيل/إيقاف صوت الأذان</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>تكرار الأذان</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>المنبه/الأذان</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>اسم المدينة</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>اسم الدولة</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>خط الطول</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>خط العرض</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>المنطقة الزمنية</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>اختر المدينة: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>المنطقة الزمنية</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>بداية التوقيت الصيفي: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>الشهر</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>يوم الأسبوع</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>الترتيب</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>نهاية التوقيت الصيفي: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>اسم الطريقة</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>زاوية الفجر</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>زاوية العشاء</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>طريقة العصر</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>المذهب الحنفي:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>يدخل العصر حين يصير طول الظل =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × طول الشيء + ظل الزوال</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>المذهب الشافعي:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>طول الشيء + ظل الزوال</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>الفجر/العشاء</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>تستخدم الهيئات الإسلامية التالية</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>طرقًا مختلفة لحساب الفجر والعشاء:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1. الهيئة المصرية العامة للمساحة:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>أفريقيا، سوريا، العراق، لبنان، ماليزيا...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2. الجمعية الإسلامية لأمريكا الشمالية (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>أجزاء من أمريكا، كندا، بريطانيا.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3. أم القرى، مكة المكرمة:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>شبه الجزيرة العربية.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4. جامعة العلوم الإسلامية، كراتشي:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>باكستان، بنغلاديش، الهند، أفغانستان...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5. رابطة العالم الإسلامي:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>أوروبا، الشرق الأقصى، أجزاء من أمريكا.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>الانتقال إلى تاريخ ميلادي:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>اختر اليوم</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>اختر الشهر</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>اختر السنة</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>الانتقال إلى تاريخ هجري:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>اليوم الهجري</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>الشهر الهجري</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>السنة الهجرية</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>لأن الحساب لا يعتمد على </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>رؤية الهلال الفعلية، </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>فقد يختلف التاريخ بيوم (+/-1)</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>التاريخ الميلادي:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>تشغيل/إيقاف التذكير بالمناسبات</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>ذكّرني</translation>
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
            <source>Moon Phase:</source>
            <translation>طور القمر:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>نسبة الإضاءة:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>الدورة القمرية:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>بُعد القمر:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>مواقيت الصلاة</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>مواقيت الصلاة اليومية والتاريخ الهجري واتجاه القبلة لمدينتك</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>مواقيت الصلاة اليومية للمسلمين والتاريخ الهجري والقبلة لمدينتك</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>أسود</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>أزرق</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>أزرق داكن</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>أحمر داكن</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>رمادي</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>أخضر</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>رمادي فاتح</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>أخضر فاتح</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>أحمر</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>أبيض</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>أصفر</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>أفريقيا</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>آسيا</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>أستراليا</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>أوروبا</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>الشرق الأوسط</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>أمريكا الشمالية</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>أمريكا الجنوبية</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>هـ</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>م</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>راسلنا على %1.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>الإصدار %1 لنظام لينكس</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>في اليوم نفسه</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>قبل يوم واحد</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>قبل يومين</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>قبل 3 أيام</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>بدء نزول القرآن</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 يوم %2 ساعة %3 دقيقة</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 كم</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>صلاة;أذان;قبلة;هجري;إسلام;مواقيت الصلاة;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>خيارات الحساب</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>بلا: تُستخدم طريقة الشفق المختارة</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>الطريقة المعتمدة:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>تعديل الفجر (دقائق):</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>تعديل الشروق (دقائق):</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>تعديل الظهر (دقائق):</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>تعديل العصر (دقائق):</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>تعديل المغرب (دقائق):</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>تعديل العشاء (دقائق):</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>حذف الثواني</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>أقرب دقيقة</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>التقريب:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>كما عند خط العرض 45</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>منتصف الليل</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>سُبع الليل</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>زاوية الشفق</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>خطوط العرض العليا:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>بلا أوقات (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>أقرب خط عرض فيه شروق وغروب</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>الأيام القطبية:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>حسابي (اصطلاحي)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>أم القرى</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>التقويم الهجري:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> يوم</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>تصحيح التاريخ الهجري:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 ساعة</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 ساعة</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>نظام الساعة:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>تعذّر حفظ الخيارات.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> دقيقة</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>معطّل</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>التنبيه قبل الأذان:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>لغة النظام</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>اللغة:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>تظهر اللغة الجديدة عند تشغيل البرنامج مرة أخرى.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>بحث عن مدينة</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>اكتب جزءًا من اسم المدينة:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>يرجى اختيار مدينة</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>المدن التي وُجدت</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>اليوم</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>اليوم</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>التاريخ</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>الهجري</translation>
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
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>جدول المواقيت</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; السابق</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>التالي &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>طباعة...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>حفظ بصيغة PDF...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>حفظ بصيغة CSV...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>حفظ بصيغة iCalendar...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2؛ العصر: %3
الهجري: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>تعذّر تشغيل الطابعة.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>حفظ بصيغة PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>ملفات PDF (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>تعذّرت كتابة ملف PDF في %1: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>تعذّرت كتابة الملف في %1: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>حفظ بصيغة CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>ملفات CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>حفظ بصيغة iCalendar</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>ملفات iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>الشهر</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>السنة</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>مواقيت الصلاة للشهر</translation>
        </message>
    </context>
</TS>
