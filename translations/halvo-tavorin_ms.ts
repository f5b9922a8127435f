<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>Tunjukkan tetingkap</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>Hentikan Azan</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>Mula semasa log masuk</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Keluar</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>Sembunyikan tetingkap</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>Tetapan mula semasa log masuk tidak dapat diubah</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin masih berjalan di dulang sistem</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>Keluar melalui menu ikon dulang, atau dengan Ctrl+Q dalam tetingkap.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 min</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 j %2 min</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 tiada dalam senarai bandar</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>Tiada waktu solat di %1 hari ini atau esok</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>Masuk waktu %1</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, dalam %3</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (seterusnya)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2 dalam %3, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>Waktu solat ini untuk %1. Guna %2 (zon waktu anda)?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>Guna %1</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>Cari Bandar…</translation>
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
            <translation>Batal</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>Perihal Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>Tetapan Tarikh</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Guna</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Bantuan</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>Pilih Lokasi</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>Tambah Maklumat Bandar</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>Pilih Kaedah Asar</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>Konvensyen Senja</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>Tambah Sudut Senja</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>Hari Ini dalam Hijrah</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>Bantuan Sudut Senja</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>Panduan</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>Padam Bandar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Padam</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>Tetapkan Azan</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Subuh</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asar</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isyak</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Zohor</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Semua</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>azan</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>Uji Bunyi</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>Arah Kiblat</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>Keutamaan Warna...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>Tukar Warna Latar</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>Tukar Warna Teks</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>Tukar Warna Tajuk</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>Fasa Bulan</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>Palet Warna</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>Hijrah ke Masihi</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Tutup</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>Sunting Zon Waktu</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>Hari Kebesaran Islam</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>Ingatkan Saya</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>Peringatan</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fail</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>Masihi ke Hijrah</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>Hijrah ke Masihi</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>Tukar &amp;Tarikh</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>Pulihkan Tarikh</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>Fasa bulan</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>Jadual Waktu...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Keluar</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Lokasi</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>Tambah Lokasi Baharu</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>Sunting Lokasi</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>Padam Lokasi</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>Cari Bandar...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Tetapan</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>Kaedah &amp;Asar</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>Sudut &amp;Senja</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>&amp;Tambah Sudut Baharu</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>Sunting Zon Waktu</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>Hidupkan/Matikan Azan</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Keutamaan</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>Pilihan Pengiraan...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Bantuan</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>&amp;Kandungan</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>&amp;Perihal Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Alatan</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>Peringatan Hari Kebesaran</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Keluar</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Syuruk</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>Muharam</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>Safar</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>Rabiulawal</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>Rabiulakhir</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>Jamadilawal</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>Jamadilakhir</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>Rejab</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>Syaaban</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>Ramadan</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>Syawal</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>Zulkaedah</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>Zulhijah</translation>
        </message>
        <message>
            <source>January</source>
            <translation>Januari</translation>
        </message>
        <message>
            <source>February</source>
            <translation>Februari</translation>
        </message>
        <message>
            <source>March</source>
            <translation>Mac</translation>
        </message>
        <message>
            <source>April</source>
            <translation>April</translation>
        </message>
        <message>
            <source>May</source>
            <translation>Mei</translation>
        </message>
        <message>
            <source>June</source>
            <translation>Jun</translation>
        </message>
        <message>
            <source>July</source>
            <translation>Julai</translation>
        </message>
        <message>
            <source>August</source>
            <translation>Ogos</translation>
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
            <translation>Disember</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Ahad</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Isnin</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>Selasa</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>Rabu</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>Khamis</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>Jumaat</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Sabtu</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Tiada</translation>
        </message>
        <message>
            <source>First</source>
            <translation>Pertama</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Kedua</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>Ketiga</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>Keempat</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>Kelima</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>Bulan Baharu</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>Bulan Sabit Awal</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>Bulan Suku Pertama</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>Bulan Cembung Awal</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>Bulan Purnama</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>Bulan Cembung Akhir</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>Bulan Suku Akhir</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>Bulan Sabit Akhir</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>Maal Hijrah</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>Hijrah Nabi dari Makkah ke Madinah.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>Asyura</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>Syahidnya Saidina Husain </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>Maulidur Rasul</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>Ulang tahun keputeraan Nabi</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>Israk dan Mikraj</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>Mikraj Nabi ke langit.</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>Awal Ramadan</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>Permulaan bulan puasa yang mulia</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>Lailatulqadar</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>Aidilfitri</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>Perayaan berakhirnya puasa Ramadan.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>Hari Arafah</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>Wahyu terakhir kepada Nabi di Padang Arafah</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>Aidiladha</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>Hari Raya Korban menutup ibadah haji.</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>PG</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>PTG</translation>
        </message>
        <message>
            <source>Hanafi</source>
            <translation>Hanafi</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>Syafie</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Utara</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Selatan</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Timur</translation>
        </message>
        <message>
            <source>West</source>
            <translation>Barat</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>Aplikasi ini akan menggunakan tetapan</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>setempat sistem anda sebagai lalai.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>Untuk mendapatkan waktu solat yang tepat,</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>pastikan anda melaraskan perkara berikut</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>dalam menu tetapan:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1.Pilih Kaedah Asar (Hanafi/Syafie).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2.Pilih salah satu nilai sudut senja</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>yang digunakan untuk mengira Subuh/Isyak</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>Anda juga boleh mendapatkan waktu solat</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>di mana-mana lokasi melalui menu lain</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>Jika anda menghadapi sebarang masalah,</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin V 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>Bunyi Azan HIDUP/MATI</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>Ulang Azan</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>Penggera/Azan</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>Nama Bandar</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>Nama Negara</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitud</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitud</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Zon Waktu</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>Pilih Bandar: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>Zon Waktu</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>Waktu Jimat Siang Bermula: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Bulan</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>Hari</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Minggu ke</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>Waktu Jimat Siang Berakhir: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>Nama Kaedah</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>Subuh</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>Isyak</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>Kaedah Asar</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>Kaedah Hanafi:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>Waktu Asar bila panjang bayang =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 * panjang objek + bayang istiwa</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>Kaedah Syafie:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>panjang objek + bayang istiwa</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>Kaedah</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>Pertubuhan Islam berikut menggunakan</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>kaedah berbeza untuk mengira Subuh/Isyak:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1.Organisasi Umum Ukur Mesir:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>Afrika, Syria, Iraq, Lubnan, Malaysia...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2.Islamic Society of North America(ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>Sebahagian AS, Kanada, UK.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3.Umm al-Qura, Makkah:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>Semenanjung Arab.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4.Universiti Sains Islam, Karachi:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>Pakistan, Bangladesh, India, Afghanistan...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5.Liga Muslim Sedunia:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>Eropah, Timur Jauh, sebahagian AS.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>Pergi ke Tarikh Masihi:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>Pilih Hari</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>Pilih Bulan</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>Pilih Tahun</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>Pergi ke Tarikh Hijrah:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>Hari</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>Bulan</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>Tahun</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>Kerana pengiraan tidak berdasarkan </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>rukyah anak bulan sebenar, </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>mungkin ada perbezaan +/-1 hari</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>Tarikh Masihi:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>Peringatan Perayaan</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>Ingatkan</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Tarikh:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>Usia Bulan:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>Fasa Bulan:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>% Diterangi:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>Lunasi:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>Bulan/Bumi:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>Waktu Solat</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>Waktu solat harian, tarikh Hijrah dan arah kiblat bagi bandar anda</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>Waktu solat harian, tarikh Hijrah dan arah kiblat bagi bandar anda</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>HITAM</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>BIRU</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>BIRU GELAP</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>MERAH GELAP</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>KELABU</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>HIJAU</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>KELABU CERAH</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>HIJAU CERAH</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>MERAH</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>PUTIH</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>KUNING</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>Afrika</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>Asia</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>Australia</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>Eropah</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>Timur Tengah</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>Amerika Utara</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>Amerika Selatan</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>H</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>M</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>hubungi kami di %1.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>Versi %1 untuk Linux</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>Hari yang sama</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 hari sebelum</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 hari sebelum</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 hari sebelum</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>Wahyu pertama al-Quran</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 hari %2 jam %3 min</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 km</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>solat;azan;kiblat;hijrah;islam;waktu solat;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>Pilihan Pengiraan</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>Tiada: guna konvensyen senja</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>Kaedah rasmi:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>Minit Subuh:</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>Minit Syuruk:</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>Minit Zohor:</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>Minit Asar:</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>Minit Maghrib:</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>Minit Isyak:</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>Potong ke minit</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>Minit terdekat</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>Pembundaran:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>Seperti di latitud 45</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>Pertengahan malam</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>Satu pertujuh malam</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>Sudut senja</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>Latitud tinggi:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>Tiada waktu (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>Latitud terdekat yang ada siang</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>Hari kutub:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>Sivil (aritmetik)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Umm al-Qura</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>Kalendar Hijrah:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> hari</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>Pelarasan Hijrah:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 jam</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 jam</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>Jam:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>Pilihan tidak dapat disimpan.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> min</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Mati</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>Maklumkan sebelum azan:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>Bahasa sistem</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Bahasa:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>Bahasa baharu dipaparkan apabila program dimulakan semula.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>Cari Bandar</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>Taip sebahagian nama bandar:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>Sila pilih bandar</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>Bandar yang ditemui</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>hari ini</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Hari ini</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Tarikh</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>Hijrah</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Subuh</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Syuruk</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Zohor</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asar</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isyak</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>Jadual Waktu</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; Sebelumnya</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>Seterusnya &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Cetak...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>Simpan sebagai P&amp;DF...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>Simpan sebagai &amp;CSV...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>Simpan sebagai &amp;iCalendar...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2; Asar %3
Hijrah: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>Pencetak tidak dapat dimulakan.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Simpan sebagai PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Fail PDF (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>PDF tidak dapat ditulis ke %1: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>Fail tidak dapat ditulis ke %1: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Simpan sebagai CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Fail CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>Simpan sebagai iCalendar</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>Fail iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Bulan</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Tahun</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>Waktu solat bulan ini</translation>
        </message>
    </context>
</TS>
