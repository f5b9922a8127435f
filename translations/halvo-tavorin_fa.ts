<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>نمایش پنجره</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>توقف اذان</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>اجرا هنگام ورود</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>خروج</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>پنهان کردن پنجره</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>تغییر اجرا هنگام ورود ممکن نشد</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin هنوز در سینی سیستم در حال اجراست</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>از منوی نماد سینی یا با Ctrl+Q در پنجره خارج شوید.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 دقیقه</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 ساعت و %2 دقیقه</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 در فهرست شهرها نیست</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>امروز و فردا در %1 وقت نمازی نیست</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>اکنون وقت %1</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2، %3 دیگر</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (بعدی)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2، %3 دیگر، %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>اوقات نماز برای %1 است. از %2 (منطقه زمانی شما) استفاده شود؟</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>استفاده از %1</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>جستجوی شهر…</translation>
        </message>
    </context>
    <context>
        <name>halvo</name>
        <message>
            <source>OK</source>
            <translation>تأیید</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>لغو</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>درباره Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>تنظیمات تاریخ</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>اعمال</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>راهنما</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>انتخاب مکان</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>افزودن اطلاعات شهر</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>انتخاب روش عصر</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>روش‌های محاسبه صبح و عشا</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>افزودن زاویه‌های شفق</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>امروز به تاریخ هجری</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>راهنمای زاویه‌های شفق</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>دستورالعمل</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>حذف شهر</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>تنظیم اذان</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>صبح</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>عصر</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>عشا</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>ظهر</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>مغرب</translation>
        </message>
        <message>
            <source>All</source>
            <translation>همه</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>اذان</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>آزمایش صدا</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>جهت قبله</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>ترجیحات رنگ...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>تغییر رنگ پس‌زمینه</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>تغییر رنگ متن</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>تغییر رنگ عنوان‌ها</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>حالت ماه</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>پالت رنگ</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>هجری به میلادی</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>بستن</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>ویرایش منطقه زمانی</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>مناسبت‌های اسلامی</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>یادآوری</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>یادآوری</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>پرونده</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>میلادی به هجری</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>هجری به میلادی</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>تغییر تاریخ</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>بازگشت به تاریخ امروز</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>حالت ماه</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>جدول اوقات...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>خروج</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>مکان</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>افزودن مکان جدید</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>ویرایش مکان</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>حذف مکان</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>جستجوی شهر...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>تنظیمات</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>روش عصر</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>زاویه‌های شفق</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>افزودن زاویه‌های جدید</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>ویرایش منطقه‌های زمانی</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>فعال/غیرفعال کردن اذان</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>ترجیحات</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>گزینه‌های محاسبه...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>راهنما</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>فهرست مطالب</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>درباره Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>ابزارها</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>یادآوری مناسبت‌ها</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>خروج</translation>
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
            <translation>ربیع‌الاول</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>ربیع‌الثانی</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>جمادی‌الاول</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>جمادی‌الثانی</translation>
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
            <translation>ذیقعده</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>ذیحجه</translation>
        </message>
        <message>
            <source>January</source>
            <translation>ژانویه</translation>
        </message>
        <message>
            <source>February</source>
            <translation>فوریه</translation>
        </message>
        <message>
            <source>March</source>
            <translation>مارس</translation>
        </message>
        <message>
            <source>April</source>
            <translation>آوریل</translation>
        </message>
        <message>
            <source>May</source>
            <translation>مه</translation>
        </message>
        <message>
            <source>June</source>
            <translation>ژوئن</translation>
        </message>
        <message>
            <source>July</source>
            <translation>ژوئیه</translation>
        </message>
        <message>
            <source>August</source>
            <translation>اوت</translation>
        </message>
        <message>
            <source>September</source>
            <translation>سپتامبر</translation>
        </message>
        <message>
            <source>October</source>
            <translation>اکتبر</translation>
        </message>
        <message>
            <source>November</source>
            <translation>نوامبر</translation>
        </message>
        <message>
            <source>December</source>
            <translation>دسامبر</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>یکشنبه</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>دوشنبه</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>سه‌شنبه</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>چهارشنبه</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>پنجشنبه</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>جمعه</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>شنبه</translation>
        </message>
        <message>
            <source>None</source>
            <translation>هیچ</translation>
        </message>
        <message>
            <source>First</source>
            <translation>اول</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>دوم</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>سوم</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>چهارم</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>پنجم</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>ماه نو</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>هلال افزایشی</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>تربیع اول</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>کوژ افزایشی</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>ماه کامل</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>کوژ کاهشی</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>تربیع آخر</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>هلال کاهشی</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>آغاز سال هجری قمری</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>هجرت پیامبر از مکه به مدینه.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>عاشورا</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>سالروز شهادت امام حسین (ع) </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>میلاد پیامبر</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>سالروز ولادت پیامبر اکرم</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>معراج پیامبر</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>عروج پیامبر به آسمان.</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>اول رمضان</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>آغاز ماه مبارک روزه</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>شب قدر</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>عید فطر</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>جشن پایان روزه‌داری رمضان.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>روز عرفه</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>آخرین وحی بر پیامبر در عرفات</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>عید قربان</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>جشن قربانی در پایان مناسک حج.</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>ق.ظ</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>ب.ظ</translation>
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
            <translation>شرق</translation>
        </message>
        <message>
            <source>West</source>
            <translation>غرب</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>برنامه به‌طور پیش‌فرض از تنظیمات</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>محلی سیستم شما استفاده می‌کند.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>برای به دست آوردن اوقات دقیق نماز،</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>حتماً موارد زیر را در منوی</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>تنظیمات تنظیم کنید:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1. روش عصر را انتخاب کنید (حنفی/شافعی).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2. یکی از مقادیر زاویه شفق را که</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>برای محاسبه وقت صبح/عشا به کار می‌رود برگزینید</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>همچنین می‌توانید اوقات نماز هر</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>مکانی را در هر زمان با دیگر گزینه‌های منو ببینید</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>اگر با مشکلی روبه‌رو شدید، لطفاً</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin نسخه 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>روشن/خاموش کردن صدای اذان</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>تکرار اذان</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>هشدار/اذان</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>نام شهر</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>نام کشور</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>طول جغرافیایی</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>عرض جغرافیایی</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>منطقه زمانی</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>شهر را انتخاب کنید: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>نام منطقه زمانی</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>آغاز ساعت تابستانی: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>ماه</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>روز هفته</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>ترتیب</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>پایان ساعت تابستانی: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>نام روش</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>زاویه صبح</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>زاویه عشا</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>روش عصر</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>روش حنفی:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>وقت عصر هنگامی است که طول سایه =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × طول شاخص + سایه ظهر</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>روش شافعی:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>طول شاخص + سایه ظهر</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>صبح/عشا</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>سازمان‌های اسلامی زیر روش‌های متفاوتی</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>برای محاسبه صبح/عشا به کار می‌برند:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1. سازمان عمومی مساحی مصر:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>آفریقا، سوریه، عراق، لبنان، مالزی...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2. انجمن اسلامی آمریکای شمالی (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>بخش‌هایی از آمریکا، کانادا، بریتانیا.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3. ام‌القری، مکه:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>شبه‌جزیره عربستان.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4. دانشگاه علوم اسلامی کراچی:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>پاکستان، بنگلادش، هند، افغانستان...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5. اتحادیه جهان اسلام:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>اروپا، خاور دور، بخش‌هایی از آمریکا.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>رفتن به تاریخ میلادی:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>انتخاب روز</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>انتخاب ماه</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>انتخاب سال</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>رفتن به تاریخ هجری:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>روز هجری</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>ماه هجری</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>سال هجری</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>چون محاسبه بر پایه رؤیت </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>واقعی هلال نیست، </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>ممکن است +/-1 روز اختلاف باشد</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>تاریخ میلادی:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>یادآوری مناسبت روشن/خاموش</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>زمان یادآوری</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>تاریخ:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>سن ماه:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>حالت ماه:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>درصد روشنایی:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>دوره قمری:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>فاصله ماه:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>اوقات شرعی</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>اوقات شرعی روزانه، تاریخ هجری و جهت قبله برای شهر شما</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>اوقات نماز روزانه مسلمانان، تاریخ هجری و قبله برای شهر شما</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>سیاه</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>آبی</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>آبی تیره</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>قرمز تیره</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>خاکستری</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>سبز</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>خاکستری روشن</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>سبز روشن</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>قرمز</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>سفید</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>زرد</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>آفریقا</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>آسیا</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>استرالیا</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>اروپا</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>خاورمیانه</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>آمریکای شمالی</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>آمریکای جنوبی</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>ه‍.ق.</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>میلادی</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>با ما از طریق %1 تماس بگیرید.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>نسخهٔ %1 برای لینوکس</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>همان روز</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 روز پیش از آن</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 روز پیش از آن</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 روز پیش از آن</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>آغاز نزول قرآن</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 روز %2 ساعت %3 دقیقه</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 کیلومتر</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>نماز;اذان;قبله;هجری;اسلام;اوقات شرعی;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>گزینه‌های محاسبه</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>هیچ: روش شفق انتخاب‌شده به کار رود</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>روش رسمی:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>صبح (دقیقه):</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>طلوع آفتاب (دقیقه):</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>ظهر (دقیقه):</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>عصر (دقیقه):</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>مغرب (دقیقه):</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>عشا (دقیقه):</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>حذف ثانیه‌ها</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>نزدیک‌ترین دقیقه</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>گرد کردن:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>مانند عرض جغرافیایی 45</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>نیمه شب</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>یک‌هفتم شب</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>زاویه شفق</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>عرض‌های جغرافیایی بالا:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>بدون وقت (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>نزدیک‌ترین عرضی که روز دارد</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>روزهای قطبی:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>قراردادی (حسابی)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>ام‌القری</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>تقویم هجری قمری:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> روز</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>تصحیح تاریخ هجری:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 ساعته</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 ساعته</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>ساعت:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>گزینه‌ها ذخیره نشد.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> دقیقه</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>خاموش</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>اعلان پیش از اذان:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>زبان سیستم</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>زبان:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>زبان تازه با اجرای دوبارهٔ برنامه نمایش داده می‌شود.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>جستجوی شهر</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>بخشی از نام شهر را بنویسید:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>لطفاً یک شهر انتخاب کنید</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>شهرهای یافته‌شده</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>امروز</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>امروز</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>تاریخ</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>هجری</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>صبح</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>طلوع آفتاب</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>ظهر</translation>
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
            <translation>عشا</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>جدول اوقات</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; قبلی</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>بعدی &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>چاپ...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>ذخیره به صورت PDF...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>ذخیره به صورت CSV...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>ذخیره به صورت iCalendar...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2؛ عصر: %3
هجری: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>چاپگر راه‌اندازی نشد.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>ذخیره به صورت PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>پرونده‌های PDF (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>نوشتن PDF در %1 ممکن نشد: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>نوشتن پرونده در %1 ممکن نشد: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>ذخیره به صورت CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>پرونده‌های CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>ذخیره به صورت iCalendar</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>پرونده‌های iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>ماه</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>سال</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>اوقات شرعی ماه</translation>
        </message>
    </context>
</TS>
