<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>Fenster anzeigen</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>Adhan stoppen</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>Bei Anmeldung starten</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>Fenster ausblenden</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>„Bei Anmeldung starten“ konnte nicht geändert werden</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin läuft im Systembereich weiter</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>Beenden über das Menü des Symbols im Systembereich oder mit Strg+Q im Fenster.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 Min.</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 Std. %2 Min.</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 ist nicht in der Städteliste</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>Keine Gebetszeit in %1 heute oder morgen</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>%1 jetzt</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, in %3</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (nächstes)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2 in %3, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>Die Gebetszeiten gelten für %1. %2 (Ihre Zeitzone) verwenden?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>%1 verwenden</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>Stadt suchen…</translation>
        </message>
    </context>
    <context>
        <name>halvo</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>Über Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>Datumseinstellungen</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Anwenden</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>Ort auswählen</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>Stadt hinzufügen</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>Asr-Methode wählen</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>Dämmerungskonventionen</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>Dämmerungswinkel hinzufügen</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>Heute nach Hidschri</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>Hilfe zu den Dämmerungswinkeln</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>Anleitung</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>Stadt löschen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>Adhan einstellen</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fadschr</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asr</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Ischa</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Dhuhr</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Alle</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>Adhan</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>Ton testen</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>Qibla-Richtung</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>Farbeinstellungen...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>Hintergrundfarbe ändern</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>Textfarbe ändern</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>Überschriftenfarbe ändern</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>Mondphase</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>Farbpalette</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>Hidschri nach Gregorianisch</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>Zeitzone bearbeiten</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>Islamische Feste</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>Erinnerung</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>Erinnerung</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>Gregorianisch nach Hidschri</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>Hidschri nach Gregorianisch</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>&amp;Datum ändern</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>Datum zurücksetzen</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>Mondphase</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>Monatsplan...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ort</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>Neuen Ort hinzufügen</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>Ort bearbeiten</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>Ort löschen</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>Stadt suchen...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Einstellungen</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>&amp;Asr-Methode</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>&amp;Dämmerungswinkel</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>&amp;Neue Winkel hinzufügen</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>Zeitzonen bearbeiten</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>Adhan ein/aus</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Darstellung</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>Berechnungsoptionen...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>&amp;Inhalt</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>&amp;Über Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Extras</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>Festerinnerungen</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Sonne</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>Muharram</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>Safar</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>Rabi' al-awwal</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>Rabi' ath-thani</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>Dschumada l-ula</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>Dschumada th-thaniya</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>Radschab</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>Scha'ban</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>Ramadan</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>Schawwal</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>Dhu l-qa'da</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>Dhu l-hiddscha</translation>
        </message>
        <message>
            <source>January</source>
            <translation>Januar</translation>
        </message>
        <message>
            <source>February</source>
            <translation>Februar</translation>
        </message>
        <message>
            <source>March</source>
            <translation>März</translation>
        </message>
        <message>
            <source>April</source>
            <translation>April</translation>
        </message>
        <message>
            <source>May</source>
            <translation>Mai</translation>
        </message>
        <message>
            <source>June</source>
            <translation>Juni</translation>
        </message>
        <message>
            <source>July</source>
            <translation>Juli</translation>
        </message>
        <message>
            <source>August</source>
            <translation>August</translation>
        </message>
        <message>
            <source>September</source>
            <translation>September</translation>
        </message>
        <message>
            <source>October</source>
            <translation>Oktober</translation>
        </message>
        <message>
            <source>November</source>
            <translation>November</translation>
        </message>
        <message>
            <source>December</source>
            <translation>Dezember</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Sonntag</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Montag</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>Dienstag</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>Mittwoch</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>Donnerstag</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>Freitag</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Samstag</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>First</source>
            <translation>Erster</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Zweiter</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>Dritter</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>Vierter</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>Fünfter</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>Neumond</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>Zunehmende Sichel</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>Erstes Viertel</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>Zunehmender Mond</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>Vollmond</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>Abnehmender Mond</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>Letztes Viertel</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>Abnehmende Sichel</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>Neujahr</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>Die Hidschra des Propheten von Mekka nach Medina.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>Aschura</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>Das Martyrium Husains </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>Maulid an-Nabi</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>Der Jahrestag der Geburt des Propheten</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>Mi'radsch</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>Die Himmelfahrt (Mi'radsch) des Propheten.</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>Ramadanbeginn</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>Der Beginn des heiligen Fastenmonats</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>Lailat al-Qadr</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>Ramadanfest</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>Das Fest des Fastenbrechens nach dem Ramadan.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>Tag von Arafat</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>Die letzte Offenbarung an den Propheten am Berg Arafat</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>Opferfest</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>Das Opferfest beschließt die Pilgerfahrt.</translation>
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
            <translation>Hanafi</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>Schafii</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Nord</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Süd</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Ost</translation>
        </message>
        <message>
            <source>West</source>
            <translation>West</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>Das Programm verwendet zunächst die</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>regionalen Einstellungen des Systems.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>Für genaue Gebetszeiten stellen Sie</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>bitte Folgendes im Menü</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>Einstellungen ein:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1.Asr-Methode wählen (Hanafi/Schafii).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2.Einen der Dämmerungswinkel wählen,</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>mit denen Fadschr/Ischa berechnet werden</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>Über die anderen Menüs erhalten Sie</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>Gebetszeiten für jeden Ort und jedes Datum</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>Bei Problemen wenden Sie sich bitte</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin V 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>Adhan-Ton EIN/AUS</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>Wiederholung</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>Alarm/Adhan</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>Stadt</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>Land</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Längengrad</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Breitengrad</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Zeitzone</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>Stadt wählen: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>Zeitzone</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>Beginn der Sommerzeit: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>Wochentag</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Tag</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>Ende der Sommerzeit: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>Name der Methode</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>Fadschr</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>Ischa</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>Asr-Methode</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>Hanafitische Methode:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>Asr beginnt, wenn Schattenlänge =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × Objektlänge + Mittagsschatten</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>Schafiitische Methode:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>Objektlänge + Mittagsschatten</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>Methode</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>Folgende islamische Organisationen</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>berechnen Fadschr/Ischa unterschiedlich:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1.Ägyptische Generalorg. für Vermessung:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>Afrika, Syrien, Irak, Libanon, Malaysia...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2.Islamic Society of North America (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>Teile der USA, Kanada, GB.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3.Umm al-Qura, Mekka:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>Arabische Halbinsel.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4.Univ. für Islamische Wiss., Karatschi:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>Pakistan, Bangladesch, Indien, Afghanistan...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5.Islamische Weltliga:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>Europa, Ferner Osten, Teile der USA.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>Gehe zu gregorianischem Datum:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>Tag</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>Jahr</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>Gehe zu Hidschri-Datum:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>Tag</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>Jahr</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>Da die Berechnung nicht auf </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>tatsächlicher Mondsichtung beruht, </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>sind +/-1 Tag Abweichung möglich</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>Greg. Datum:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>Festerinnerung EIN/AUS</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>Erinnern</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Datum:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>Mondalter:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>Mondphase:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>% beleuchtet:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>Lunation:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>Mond/Erde:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>Gebetszeiten</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>Tägliche Gebetszeiten, Hidschri-Daten und die Qibla-Richtung für Ihre Stadt</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>Tägliche muslimische Gebetszeiten, Hidschri-Daten und die Qibla für Ihre Stadt</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>SCHWARZ</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>BLAU</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>DUNKELBLAU</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>DUNKELROT</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>GRAU</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>GRÜN</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>HELLGRAU</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>HELLGRÜN</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>ROT</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>WEISS</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>GELB</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>Afrika</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>Asien</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>Australien</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>Europa</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>Naher Osten</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>Nordamerika</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>Südamerika</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>n. H.</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>n. Chr.</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>schreiben Sie uns an %1.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>Version %1 für Linux</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>Am selben Tag</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 Tag vorher</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 Tage vorher</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 Tage vorher</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>Die erste Offenbarung des Korans</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 Tage %2 Std. %3 Min.</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 km</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>Gebet;Salat;Adhan;Qibla;Hidschri;Islam;Gebetszeiten;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>Berechnungsoptionen</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>Keine: Dämmerungskonvention verwenden</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>Veröffentlichte Methode:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>Minuten Fadschr:</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>Minuten Sonnenaufgang:</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>Minuten Dhuhr:</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>Minuten Asr:</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>Minuten Maghrib:</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>Minuten Ischa:</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>Auf die Minute abschneiden</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>Nächste Minute</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>Rundung:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>Wie auf 45° Breite</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>Mitte der Nacht</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>Ein Siebtel der Nacht</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>Dämmerungswinkel</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>Hohe Breiten:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>Keine Zeiten (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>Nächste Breite mit einem Tag</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>Polartage:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>Bürgerlich (arithmetisch)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Umm al-Qura</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>Hidschri-Kalender:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> Tage</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>Hidschri-Korrektur:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 Stunden</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 Stunden</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>Uhr:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>Die Optionen konnten nicht gespeichert werden.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> Min.</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Aus</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>Vor dem Adhan benachrichtigen:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>Sprache des Systems</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Sprache:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>Die neue Sprache erscheint beim nächsten Start des Programms.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>Stadt suchen</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>Teil des Stadtnamens eingeben:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>Bitte eine Stadt wählen</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>Gefundene Städte</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>heute</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Heute</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>Hidschri</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fadschr</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Sonne</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Dhuhr</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asr</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Ischa</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>Monatsplan</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; Zurück</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>Weiter &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Drucken...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>Als P&amp;DF speichern...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>Als &amp;CSV speichern...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>Als &amp;iCalendar speichern...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2; Asr %3
Hidschri: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>Der Drucker konnte nicht gestartet werden.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Als PDF speichern</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>Das PDF konnte nicht nach %1 geschrieben werden: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>Die Datei konnte nicht nach %1 geschrieben werden: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Als CSV speichern</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>Als iCalendar speichern</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>iCalendar-Dateien (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Jahr</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>Gebetszeiten des Monats</translation>
        </message>
    </context>
</TS>
