<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>ونڈو دکھائیں</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>اذان روکیں</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>لاگ اِن پر شروع کریں</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>بند کریں</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>ونڈو چھپائیں</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>لاگ اِن پر شروع ہونے کی ترتیب تبدیل نہیں ہو سکی</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin ابھی بھی ٹرے میں چل رہا ہے</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>ٹرے آئیکن کے مینو سے یا ونڈو میں Ctrl+Q سے بند کریں۔</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 منٹ</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 گھنٹے %2 منٹ</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 شہروں کی فہرست میں نہیں ہے</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>%1 میں آج یا کل نماز کا کوئی وقت نہیں</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>%1 کا وقت ہو گیا</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2، %3 باقی</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (اگلی)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2، %3 باقی، %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>اوقاتِ نماز %1 کے ہیں۔ کیا %2 (آپ کا ٹائم زون) استعمال کریں؟</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>%1 استعمال کریں</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>شہر تلاش کریں…</translation>
        </message>
    </context>
    <context>
        <name>halvo</name>
        <message>
            <source>OK</source>
            <translation>ٹھیک ہے</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>منسوخ</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>Halvo Tavorin کے بارے میں</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>تاریخ کی ترتیبات</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>لاگو کریں</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>مدد</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>مقام منتخب کریں</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>شہر کی معلومات شامل کریں</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>عصر کا طریقہ منتخب کریں</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>فجر و عشاء کے طریقے</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>شفق کے زاویے شامل کریں</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>آج کی ہجری تاریخ</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>شفق کے زاویوں کے بارے میں مدد</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>ہدایات</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>شہر حذف کریں</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف کریں</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>اذان کی ترتیب</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>فجر</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>عصر</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>عشاء</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>ظہر</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>مغرب</translation>
        </message>
        <message>
            <source>All</source>
            <translation>سب</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>اذان</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>آواز آزمائیں</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>سمتِ قبلہ</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>رنگوں کی ترجیحات...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>پس منظر کا رنگ بدلیں</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>متن کا رنگ بدلیں</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>سرخیوں کا رنگ بدلیں</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>چاند کا مرحلہ</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>رنگوں کی تختی</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>ہجری سے عیسوی</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>بند کریں</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>ٹائم زون میں ترمیم</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>اسلامی تہوار</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>یاد دہانی</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>یاد دہانی</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>فائل</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>عیسوی سے ہجری</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>ہجری سے عیسوی</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>تاریخ تبدیل کریں</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>آج کی تاریخ پر واپس</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>چاند کا مرحلہ</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>نظام الاوقات...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>باہر نکلیں</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>مقام</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>نیا مقام شامل کریں</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>مقام میں ترمیم</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>مقام حذف کریں</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>شہر تلاش کریں...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>ترتیبات</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>عصر کا طریقہ</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>شفق کے زاویے</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>نئے زاویے شامل کریں</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>ٹائم زون میں ترمیم</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>اذان فعال/غیر فعال</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>ترجیحات</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>حساب کے اختیارات...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>مدد</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>مشمولات</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>Halvo Tavorin کے بارے میں</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>اوزار</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>تہواروں کی یاد دہانی</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>باہر نکلیں</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>طلوع آفتاب</translation>
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
            <translation>ربیع الاول</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>ربیع الثانی</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>جمادی الاول</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>جمادی الثانی</translation>
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
            <translation>ذوالقعدہ</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>ذوالحجہ</translation>
        </message>
        <message>
            <source>January</source>
            <translation>جنوری</translation>
        </message>
        <message>
            <source>February</source>
            <translation>فروری</translation>
        </message>
        <message>
            <source>March</source>
            <translation>مارچ</translation>
        </message>
        <message>
            <source>April</source>
            <translation>اپریل</translation>
        </message>
        <message>
            <source>May</source>
            <translation>مئی</translation>
        </message>
        <message>
            <source>June</source>
            <translation>جون</translation>
        </message>
        <message>
            <source>July</source>
            <translation>جولائی</translation>
        </message>
        <message>
            <source>August</source>
            <translation>اگست</translation>
        </message>
        <message>
            <source>September</source>
            <translation>ستمبر</translation>
        </message>
        <message>
            <source>October</source>
            <translation>اکتوبر</translation>
        </message>
        <message>
            <source>November</source>
            <translation>نومبر</translation>
        </message>
        <message>
            <source>December</source>
            <translation>دسمبر</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>اتوار</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>پیر</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>منگل</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>بدھ</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>جمعرات</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>جمعہ</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>ہفتہ</translation>
        </message>
        <message>
            <source>None</source>
            <translation>کوئی نہیں</translation>
        </message>
        <message>
            <source>First</source>
            <translation>پہلا</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>دوسرا</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>تیسرا</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>چوتھا</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>پانچواں</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>نیا چاند</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>بڑھتا ہلال</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>پہلی چوتھائی</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>بڑھتا ہوا محدب چاند</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>پورا چاند</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>گھٹتا ہوا محدب چاند</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>آخری چوتھائی</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>گھٹتا ہلال</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>اسلامی نیا سال</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>نبی کریم کی مکہ سے مدینہ ہجرت۔</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>یوم عاشور</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>حضرت امام حسین کی شہادت </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>عید میلاد النبی</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>نبی کریم کی ولادت کی یاد</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>شب معراج</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>نبی کریم کا آسمانوں کی طرف معراج۔</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>یکم رمضان</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>روزوں کے مقدس مہینے کا آغاز</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>شب قدر</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>عید الفطر</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>رمضان کے روزوں کے اختتام کی عید۔</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>یوم عرفہ</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>میدانِ عرفات میں نبی کریم پر آخری وحی</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>عید الاضحیٰ</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>قربانی کی عید، جو حج کے اختتام پر آتی ہے۔</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>AM</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>PM</translation>
        </message>
        <message>
            <source>Hanafi</source>
            <translation>حنفی</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>شافعی</translation>
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
            <translation>مشرق</translation>
        </message>
        <message>
            <source>West</source>
            <translation>مغرب</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>ایپلیکیشن آپ کے سسٹم کی مقامی</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>ترتیبات کو بطور طے شدہ استعمال کرے گی۔</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>نماز کے درست اوقات کے لیے،</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>ترتیبات کے مینو میں درج ذیل کو</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>ضرور درست کریں:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1. عصر کا طریقہ منتخب کریں (حنفی/شافعی)۔</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2. فجر/عشاء کے اوقات کے حساب میں</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>استعمال ہونے والے شفق کے زاویے چنیں</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>آپ دوسرے مینو اختیارات سے کسی بھی</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>مقام کے اوقاتِ نماز کسی بھی وقت دیکھ سکتے ہیں</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>اگر کوئی مسئلہ پیش آئے تو براہ کرم</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin ورژن 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>اذان کی آواز آن/آف</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>اذان دہرائیں</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>الارم/اذان</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>شہر کا نام</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>ملک کا نام</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>طول بلد</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>عرض بلد</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>ٹائم زون</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>شہر منتخب کریں: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>ٹائم زون کا نام</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>ڈے لائٹ سیونگ ٹائم کا آغاز: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>مہینہ</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>ہفتے کا دن</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>ترتیب</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>ڈے لائٹ سیونگ ٹائم کا اختتام: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>طریقے کا نام</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>فجر کا زاویہ</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>عشاء کا زاویہ</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>عصر کا طریقہ</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>حنفی طریقہ:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>عصر کا وقت تب ہے جب سائے کی لمبائی =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × شے کی لمبائی + زوال کا سایہ</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>شافعی طریقہ:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>شے کی لمبائی + زوال کا سایہ</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>فجر/عشاء</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>درج ذیل اسلامی ادارے فجر/عشاء کے حساب</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>کے لیے مختلف طریقے استعمال کرتے ہیں:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1. مصری جنرل اتھارٹی برائے مساحت:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>افریقہ، شام، عراق، لبنان، ملائیشیا...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2. اسلامک سوسائٹی آف نارتھ امریکہ (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>امریکہ کے کچھ حصے، کینیڈا، برطانیہ۔</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3. ام القریٰ، مکہ مکرمہ:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>جزیرہ نمائے عرب۔</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4. جامعہ علوم اسلامیہ، کراچی:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>پاکستان، بنگلہ دیش، بھارت، افغانستان...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5. رابطہ عالم اسلامی:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>یورپ، مشرق بعید، امریکہ کے کچھ حصے۔</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>عیسوی تاریخ پر جائیں:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>دن منتخب کریں</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>مہینہ منتخب کریں</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>سال منتخب کریں</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>ہجری تاریخ پر جائیں:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>ہجری دن</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>ہجری مہینہ</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>ہجری سال</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>چونکہ حساب اصل رؤیتِ ہلال </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>پر مبنی نہیں، </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>اس لیے +/-1 دن کا فرق ہو سکتا ہے</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>عیسوی تاریخ:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>تہوار کی یاد دہانی آن/آف</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>یاد دلائیں</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>تاریخ:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>چاند کی عمر:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>چاند کا مرحلہ:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>روشن حصہ (%):</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>قمری دور:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>چاند کا فاصلہ:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>اوقاتِ نماز</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>آپ کے شہر کے روزانہ اوقاتِ نماز، ہجری تاریخیں اور سمتِ قبلہ</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>آپ کے شہر کے لیے روزانہ اسلامی اوقاتِ نماز، ہجری تاریخیں اور قبلہ</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>سیاہ</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>نیلا</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>گہرا نیلا</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>گہرا سرخ</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>سرمئی</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>سبز</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>ہلکا سرمئی</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>ہلکا سبز</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>سرخ</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>سفید</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>پیلا</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>افریقہ</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>ایشیا</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>آسٹریلیا</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>یورپ</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>مشرق وسطیٰ</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>شمالی امریکہ</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>جنوبی امریکہ</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>ہجری</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>عیسوی</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>ہم سے %1 پر رابطہ کریں۔</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>لینکس کے لیے ورژن %1</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>اسی دن</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 دن پہلے</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 دن پہلے</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 دن پہلے</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>نزولِ قرآن کا آغاز</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 دن %2 گھنٹے %3 منٹ</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 کلومیٹر</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>نماز;اذان;قبلہ;ہجری;اسلام;اوقات نماز;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>حساب کے اختیارات</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>کوئی نہیں: شفق کا منتخب طریقہ استعمال کریں</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>شائع شدہ طریقہ:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>فجر (منٹ):</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>طلوع آفتاب (منٹ):</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>ظہر (منٹ):</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>عصر (منٹ):</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>مغرب (منٹ):</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>عشاء (منٹ):</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>سیکنڈ نظر انداز کریں</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>قریب ترین منٹ</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>گول کرنے کا طریقہ:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>عرض بلد 45 کی طرح</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>نصف شب</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>رات کا ساتواں حصہ</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>شفق کا زاویہ</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>بلند عرض بلد:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>کوئی وقت نہیں (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>قریب ترین عرض بلد جہاں دن ہو</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>قطبی دن:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>حسابی (سول)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>ام القریٰ</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>ہجری تقویم:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> دن</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>ہجری تاریخ میں ترمیم:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 گھنٹے</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 گھنٹے</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>گھڑی:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>اختیارات محفوظ نہیں ہو سکے۔</translation>
        </message>
        <message>
            <source> min</source>
            <translation> منٹ</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>بند</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>اذان سے پہلے اطلاع:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>سسٹم کی زبان</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>زبان:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>نئی زبان پروگرام دوبارہ شروع ہونے پر نظر آئے گی۔</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>شہر تلاش کریں</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>شہر کے نام کا کچھ حصہ لکھیں:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>براہ کرم شہر منتخب کریں</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>ملنے والے شہر</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>آج</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>آج</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>تاریخ</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>ہجری</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>فجر</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>طلوع آفتاب</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>ظہر</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>عصر</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>مغرب</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>عشاء</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>نظام الاوقات</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; پچھلا</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>اگلا &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>پرنٹ...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>PDF میں محفوظ کریں...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>CSV میں محفوظ کریں...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>iCalendar میں محفوظ کریں...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2؛ عصر: %3
ہجری: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>پرنٹر شروع نہیں ہو سکا۔</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>PDF میں محفوظ کریں</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF فائلیں (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>PDF فائل %1 میں نہیں لکھی جا سکی: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>فائل %1 میں نہیں لکھی جا سکی: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>CSV میں محفوظ کریں</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV فائلیں (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>iCalendar میں محفوظ کریں</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>iCalendar فائلیں (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>مہینہ</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>سال</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>مہینے کے اوقاتِ نماز</translation>
        </message>
    </context>
</TS>
