<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>halvo</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Halvo Tavorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add  City Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Asr Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight Conventions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Twilight Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today in Hijri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight Angles Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set  Adhan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adhan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qibla Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Headers Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri To Gregorean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EditTimezone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Islamic Feasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greg To Hijri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri To Greg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timetable...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find City...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Asr Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Twilight Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Timezones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable/Disable Adhan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Halvo Tavorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feast Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raby&apos; al-awal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raby al-thany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumada al-awal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumada al-thany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaa&apos;ban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thw al-qi&apos;dah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thw al-hijjah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Crescent Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon in its first quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Gibbous Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Gibbous Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon in its last quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Crescent Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Islamic New Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hijra of the prophet from Mecca to Medina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The martyrdom of Husayn </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mawlid al-Nabiy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The anniversary of the birth of the Prophet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi’Raj al-Nabiy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al-Mi’Raj of the prophet to Heaven.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The beginning of the holy month of fasting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lailat Al Qadr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first revelation of the Qurƚn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eid Al Fitr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Festival of Breaking the Fast of Ramadan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arafat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The final revelation to the Prophet at Mt. Arafat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eid Al Adha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Festival of Sacrifice concludes the pilgrimage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Application will use your local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>windows settings as default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In order to get accurate prayer times,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make sure to adjust the following in the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Choose one of the twilight angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values used to calculate Fajr/Isha Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also get prayer times for any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location any time using other menu options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you encounter any problems, please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvo Tavorin V 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adhan Sound ON/OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Adhan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm/Adhan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select City: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timezone Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time Begins: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DayofWeek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time Ends: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanafi Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr Time is when length of shadow =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 * length of object + noon shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shafi Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>length of object + noon shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr/Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following Islamic organisations use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>different methods to calculate Fajr/Isha:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Egyptian Gen Organisation of Surveying:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Islamic Society of North America(ISNA):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts of USA, Canada, UK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.Um Ul-Qura, Makkah:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabian Peninsula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.University of Islamic Sciences, Karachi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pakistan, Bangladesh, India, Afghanistan...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.World Islamic League:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Europe, Far East, parts of USA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Gregorean Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Hijri Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since Calculations are not based on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>actual moon sightings, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There may be a +/-1 day discrepancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gregorean Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feast Reminder ON/OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Luminated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon/Earth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvo Tavorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prayer Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvo::CalculationOptionsDialog</name>
    <message>
        <source>Calculation Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: use the twilight convention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Published method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuhr minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maghrib minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut to the minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As at latitude 45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High latitudes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No times (--:--)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest latitude with a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil (arithmetic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri adjustment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvo::FindCityDialog</name>
    <message>
        <source>Find City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makkah, Toronto, united states...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of the city&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a city</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvo::TimetableModel</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvo::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;iCalendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2; Asr %3
Hijri: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
