<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>উইন্ডো দেখান</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>আজান থামান</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>লগইনের সময় চালু করুন</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>প্রস্থান</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>উইন্ডো লুকান</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>লগইনের সময় চালু হওয়ার সেটিং পরিবর্তন করা যায়নি</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin এখনও ট্রেতে চলছে</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>ট্রে আইকনের মেনু থেকে, অথবা উইন্ডোতে Ctrl+Q দিয়ে প্রস্থান করুন।</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 মিনিট</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 ঘণ্টা %2 মিনিট</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 শহরের তালিকায় নেই</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>আজ বা আগামীকাল %1-এ নামাজের কোনো সময় নেই</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>এখন %1</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, %3 পরে</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (পরবর্তী)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2, %3 পরে, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>নামাজের সময়গুলো %1-এর। %2 (আপনার সময় অঞ্চল) ব্যবহার করবেন?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>%1 ব্যবহার করুন</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>শহর খুঁজুন…</translation>
        </message>
    </context>
    <context>
        <name>halvo</name>
        <message>
            <source>OK</source>
            <translation>ঠিক আছে</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>বাতিল</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>Halvo Tavorin পরিচিতি</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>তারিখ সেটিংস</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>প্রয়োগ</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>সহায়তা</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>অবস্থান নির্বাচন</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>শহরের তথ্য যোগ</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>আসরের পদ্ধতি বাছুন</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>গোধূলির রীতি</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>গোধূলির কোণ যোগ</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>আজকের হিজরি তারিখ</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>গোধূলির কোণ: সহায়তা</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>নির্দেশনা</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>শহর মুছুন</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>মুছুন</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>আজান নির্ধারণ</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>ফজর</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>আসর</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>এশা</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>যোহর</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>মাগরিব</translation>
        </message>
        <message>
            <source>All</source>
            <translation>সব</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>আজান</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>শব্দ পরীক্ষা</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>কিবলার দিক</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>রঙের পছন্দ...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>পটভূমির রং পরিবর্তন</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>লেখার রং পরিবর্তন</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>শিরোনামের রং পরিবর্তন</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>চাঁদের দশা</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>রঙের প্যালেট</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>হিজরি থেকে খ্রিস্টীয়</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>বন্ধ</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>সময় অঞ্চল সম্পাদনা</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>ইসলামি উৎসবসমূহ</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>মনে করিয়ে দিন</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>অনুস্মারক</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ফাইল</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>খ্রিস্টাব্দ থেকে হিজরি</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>হিজরি থেকে খ্রিস্টাব্দ</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>তারিখ পরিবর্তন</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>তারিখ পুনরুদ্ধার</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>চাঁদের দশা</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>সময়সূচি...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>প্রস্থান</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>অবস্থান</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>নতুন অবস্থান যোগ</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>অবস্থান সম্পাদনা</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>অবস্থান মুছুন</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>শহর খুঁজুন...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>সেটিংস</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>আসরের পদ্ধতি</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>গোধূলির কোণ</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>নতুন কোণ যোগ</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>সময় অঞ্চল সম্পাদনা</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>আজান চালু/বন্ধ</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>পছন্দসমূহ</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>গণনার বিকল্প...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>সহায়তা</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>বিষয়বস্তু</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>Halvo Tavorin পরিচিতি</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>সরঞ্জাম</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>উৎসবের অনুস্মারক</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>প্রস্থান</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>সূর্যোদয়</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>মহররম</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>সফর</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>রবিউল আউয়াল</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>রবিউস সানি</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>জমাদিউল আউয়াল</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>জমাদিউস সানি</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>রজব</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>শাবান</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>রমজান</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>শাওয়াল</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>জিলকদ</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>জিলহজ</translation>
        </message>
        <message>
            <source>January</source>
            <translation>জানুয়ারি</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ফেব্রুয়ারি</translation>
        </message>
        <message>
            <source>March</source>
            <translation>মার্চ</translation>
        </message>
        <message>
            <source>April</source>
            <translation>এপ্রিল</translation>
        </message>
        <message>
            <source>May</source>
            <translation>মে</translation>
        </message>
        <message>
            <source>June</source>
            <translation>জুন</translation>
        </message>
        <message>
            <source>July</source>
            <translation>জুলাই</translation>
        </message>
        <message>
            <source>August</source>
            <translation>আগস্ট</translation>
        </message>
        <message>
            <source>September</source>
            <translation>সেপ্টেম্বর</translation>
        </message>
        <message>
            <source>October</source>
            <translation>অক্টোবর</translation>
        </message>
        <message>
            <source>November</source>
            <translation>নভেম্বর</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ডিসেম্বর</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>রবিবার</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>সোমবার</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>মঙ্গলবার</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>বুধবার</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>বৃহস্পতিবার</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>শুক্রবার</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>শনিবার</translation>
        </message>
        <message>
            <source>None</source>
            <translation>নেই</translation>
        </message>
        <message>
            <source>First</source>
            <translation>প্রথম</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>দ্বিতীয়</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>তৃতীয়</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>চতুর্থ</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>পঞ্চম</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>অমাবস্যা</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>শুক্লপক্ষের বাঁকা চাঁদ</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>প্রথম পাদের চাঁদ</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>শুক্লপক্ষের স্ফীত চাঁদ</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>পূর্ণিমা</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>কৃষ্ণপক্ষের স্ফীত চাঁদ</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>শেষ পাদের চাঁদ</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>কৃষ্ণপক্ষের বাঁকা চাঁদ</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>হিজরি নববর্ষ</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>মক্কা থেকে মদিনায় নবীজির হিজরত।</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>আশুরা</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>হযরত হুসাইনের শাহাদাত </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>ঈদে মিলাদুন্নবী</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>নবীজির জন্মবার্ষিকী</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>শবে মেরাজ</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>নবীজির ঊর্ধ্বাকাশে মেরাজ।</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>রমজানের প্রথম দিন</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>পবিত্র রোজার মাসের সূচনা</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>শবে কদর</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>ঈদুল ফিতর</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>রমজানের রোজা শেষের উৎসব।</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>আরাফার দিন</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>আরাফাত পর্বতে নবীজির প্রতি শেষ ওহি</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>ঈদুল আজহা</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>কোরবানির ঈদ, হজের সমাপ্তি।</translation>
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
            <translation>হানাফি</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>শাফেয়ি</translation>
        </message>
        <message>
            <source>North</source>
            <translation>উত্তর</translation>
        </message>
        <message>
            <source>South</source>
            <translation>দক্ষিণ</translation>
        </message>
        <message>
            <source>East</source>
            <translation>পূর্ব</translation>
        </message>
        <message>
            <source>West</source>
            <translation>পশ্চিম</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>অ্যাপ্লিকেশনটি শুরুতে আপনার</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>সিস্টেমের স্থানীয় সেটিংস ব্যবহার করবে।</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>নামাজের সঠিক সময় পেতে</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>সেটিংস মেনুতে নিচের বিষয়গুলো</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>ঠিক করে নিন:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>১.আসরের পদ্ধতি বাছুন (হানাফি/শাফেয়ি)।</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>২.ফজর/এশার সময় গণনায় ব্যবহৃত</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>গোধূলির কোণের একটি মান বাছুন</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>অন্যান্য মেনু থেকে যেকোনো স্থানের</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>যেকোনো দিনের নামাজের সময়ও পাবেন</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>কোনো সমস্যা হলে অনুগ্রহ করে</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin V 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>আজানের শব্দ চালু/বন্ধ</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>আজান পুনরাবৃত্তি</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>অ্যালার্ম/আজান</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>শহরের নাম</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>দেশের নাম</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>দ্রাঘিমাংশ</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>অক্ষাংশ</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>সময় অঞ্চল</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>শহর বাছুন: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>সময় অঞ্চল</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>দিবালোক সংরক্ষণ সময় শুরু: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>মাস</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>সপ্তাহের দিন</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>দিন</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>দিবালোক সংরক্ষণ সময় শেষ: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>পদ্ধতির নাম</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>ফজরের কোণ</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>এশার কোণ</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>আসরের পদ্ধতি</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>হানাফি পদ্ধতি:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>আসরের সময় যখন ছায়ার দৈর্ঘ্য =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>২ × বস্তুর দৈর্ঘ্য + দুপুরের ছায়া</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>শাফেয়ি পদ্ধতি:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>বস্তুর দৈর্ঘ্য + দুপুরের ছায়া</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>ফজর/এশা</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>নিচের ইসলামি সংস্থাগুলো ফজর/এশা</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>গণনায় ভিন্ন ভিন্ন পদ্ধতি ব্যবহার করে:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>১.মিশরীয় সাধারণ জরিপ সংস্থা:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>আফ্রিকা, সিরিয়া, ইরাক, লেবানন, মালয়েশিয়া...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>২.উত্তর আমেরিকার ইসলামিক সোসাইটি (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>যুক্তরাষ্ট্রের কিছু অংশ, কানাডা, যুক্তরাজ্য।</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>৩.উম্মুল কুরা, মক্কা:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>আরব উপদ্বীপ।</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>৪.ইসলামি বিজ্ঞান বিশ্ববিদ্যালয়, করাচি:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>পাকিস্তান, বাংলাদেশ, ভারত, আফগানিস্তান...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>৫.মুসলিম ওয়ার্ল্ড লীগ:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>ইউরোপ, দূরপ্রাচ্য, যুক্তরাষ্ট্রের কিছু অংশ।</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>খ্রিস্টীয় তারিখে যান:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>দিন</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>মাস</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>বছর</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>হিজরি তারিখে যান:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>হিজরি দিন</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>হিজরি মাস</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>হিজরি বছর</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>গণনাগুলো প্রকৃত চাঁদ দেখার </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>ওপর ভিত্তি করে নয় বলে </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>+/-১ দিনের পার্থক্য হতে পারে</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>খ্রিস্টীয় তারিখ:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>উৎসবের অনুস্মারক চালু/বন্ধ</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>কবে</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>তারিখ:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>চাঁদের বয়স:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>চাঁদের দশা:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>% আলোকিত:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>চান্দ্রমাস নং:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>চাঁদ/পৃথিবী:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>নামাজের সময়</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>আপনার শহরের দৈনিক নামাজের সময়, হিজরি তারিখ ও কিবলার দিক</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>আপনার শহরের মুসলিমদের দৈনিক নামাজের সময়, হিজরি তারিখ ও কিবলা</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>কালো</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>নীল</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>গাঢ় নীল</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>গাঢ় লাল</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>ধূসর</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>সবুজ</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>হালকা ধূসর</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>হালকা সবুজ</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>লাল</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>সাদা</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>হলুদ</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>আফ্রিকা</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>এশিয়া</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>অস্ট্রেলিয়া</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>ইউরোপ</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>মধ্যপ্রাচ্য</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>উত্তর আমেরিকা</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>দক্ষিণ আমেরিকা</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>হিজরি</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>খ্রিস্টাব্দ</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>আমাদের সাথে %1 ঠিকানায় যোগাযোগ করুন।</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>লিনাক্সের জন্য সংস্করণ %1</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>একই দিনে</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>১ দিন আগে</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>২ দিন আগে</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>৩ দিন আগে</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>কুরআনের প্রথম অবতরণ</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 দিন %2 ঘণ্টা %3 মিনিট</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 কিমি</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>নামাজ;আজান;কিবলা;হিজরি;ইসলাম;নামাজের সময়;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>গণনার বিকল্প</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>কোনোটি নয়: গোধূলির রীতি ব্যবহার করুন</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>প্রকাশিত পদ্ধতি:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>ফজরের মিনিট:</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>সূর্যোদয়ের মিনিট:</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>যোহরের মিনিট:</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>আসরের মিনিট:</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>মাগরিবের মিনিট:</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>এশার মিনিট:</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>মিনিটে কেটে নিন</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>নিকটতম মিনিট</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>পূর্ণসংখ্যায় রূপান্তর:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>৪৫ অক্ষাংশের মতো</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>রাতের মধ্যভাগ</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>রাতের এক-সপ্তমাংশ</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>গোধূলির কোণ</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>উচ্চ অক্ষাংশ:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>কোনো সময় নেই (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>দিন আছে এমন নিকটতম অক্ষাংশ</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>মেরু দিবস:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>নাগরিক (গাণিতিক)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>উম্মুল কুরা</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>হিজরি বর্ষপঞ্জি:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> দিন</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>হিজরি সমন্বয়:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>১২ ঘণ্টা</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>২৪ ঘণ্টা</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>ঘড়ি:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>বিকল্পগুলো সংরক্ষণ করা যায়নি।</translation>
        </message>
        <message>
            <source> min</source>
            <translation> মিনিট</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>বন্ধ</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>আজানের আগে জানান:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>সিস্টেমের ভাষা</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>ভাষা:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>নতুন ভাষা প্রোগ্রামটি আবার চালু হলে দেখা যাবে।</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>শহর খুঁজুন</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>শহরের নামের অংশ লিখুন:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>অনুগ্রহ করে একটি শহর বাছুন</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>খুঁজে পাওয়া শহর</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>আজ</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>আজ</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>তারিখ</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>হিজরি</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>ফজর</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>সূর্যোদয়</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>যোহর</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>আসর</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>মাগরিব</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>এশা</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>সময়সূচি</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; আগের</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>পরের &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>মুদ্রণ...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>PDF হিসেবে সংরক্ষণ...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>CSV হিসেবে সংরক্ষণ...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>iCalendar হিসেবে সংরক্ষণ...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2; আসর %3
হিজরি: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>প্রিন্টার চালু করা যায়নি।</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>PDF হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF ফাইল (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>%1-এ PDF লেখা যায়নি: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>%1-এ ফাইল লেখা যায়নি: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>CSV হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV ফাইল (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>iCalendar হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>iCalendar ফাইল (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>মাস</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>বছর</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>মাসের নামাজের সময়সূচি</translation>
        </message>
    </context>
</TS>
