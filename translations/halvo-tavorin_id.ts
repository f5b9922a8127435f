<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>Tampilkan jendela</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>Hentikan Azan</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>Mulai saat login</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Keluar</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>Sembunyikan jendela</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>Pengaturan mulai saat login tidak dapat diubah</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin masih berjalan di baki sistem</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>Keluar lewat menu ikon baki, atau dengan Ctrl+Q di jendela.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 mnt</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 jam %2 mnt</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 tidak ada di daftar kota</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>Tidak ada waktu salat di %1 hari ini atau besok</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>Sekarang waktu %1</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, %3 lagi</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (berikutnya)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2, %3 lagi, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>Jadwal salat untuk %1. Gunakan %2 (zona waktu Anda)?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>Gunakan %1</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>Cari Kota…</translation>
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
            <translation>Tentang Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>Pengaturan Tanggal</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Terapkan</translation>
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
            <translation>Tambah Data Kota</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>Pilih Metode Ashar</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>Konvensi Sudut Subuh/Isya</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>Tambah Sudut Subuh/Isya</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>Hari Ini dalam Hijriah</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>Bantuan Sudut Subuh/Isya</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>Petunjuk</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>Hapus Kota</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Hapus</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>Atur Azan</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Subuh</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Ashar</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isya</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Zuhur</translation>
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
            <translation>Uji Suara</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>Arah Kiblat</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>Preferensi Warna...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>Ubah Warna Latar</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>Ubah Warna Teks</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>Ubah Warna Judul</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>Fase Bulan</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>Palet Warna</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>Hijriah ke Masehi</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Tutup</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>Ubah Zona Waktu</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>Hari Besar Islam</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>Ingatkan Saya</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>Pengingat</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Berkas</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>Masehi ke Hijriah</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>Hijriah ke Masehi</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>Ubah &amp;Tanggal</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>Kembali ke Hari Ini</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>Fase bulan</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>Jadwal Bulanan...</translation>
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
            <translation>Tambah Lokasi Baru</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>Ubah Lokasi</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>Hapus Lokasi</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>Cari Kota...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Pengaturan</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>Metode &amp;Ashar</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>Sudut &amp;Subuh/Isya</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>&amp;Tambah Sudut Baru</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>Ubah Zona Waktu</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>Aktifkan/Nonaktifkan Azan</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Preferensi</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>Opsi Perhitungan...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>Ban&amp;tuan</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>&amp;Isi</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>Tent&amp;ang Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Alat</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>Pengingat Hari Besar</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Keluar</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Terbit</translation>
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
            <translation>Rabiul Awal</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>Rabiul Akhir</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>Jumadil Awal</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>Jumadil Akhir</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>Rajab</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>Syakban</translation>
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
            <translation>Zulkaidah</translation>
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
            <translation>Maret</translation>
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
            <translation>Juni</translation>
        </message>
        <message>
            <source>July</source>
            <translation>Juli</translation>
        </message>
        <message>
            <source>August</source>
            <translation>Agustus</translation>
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
            <translation>Desember</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Minggu</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Senin</translation>
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
            <translation>Kamis</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>Jumat</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Sabtu</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Tidak ada</translation>
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
            <translation>Bulan Baru</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>Sabit Awal</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>Kuartal Pertama</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>Cembung Awal</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>Purnama</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>Cembung Akhir</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>Kuartal Akhir</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>Sabit Akhir</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>Tahun Baru Islam</translation>
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
            <translation>Syahidnya Husain </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>Maulid Nabi</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>Peringatan kelahiran Nabi</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>Isra Mikraj</translation>
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
            <translation>Awal bulan suci puasa</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>Lailatul Qadar</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>Idul Fitri</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>Hari raya berbuka setelah puasa Ramadan.</translation>
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
            <translation>Idul Adha</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>Hari raya kurban, penutup ibadah haji.</translation>
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
            <translation>Syafi'i</translation>
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
            <translation>Aplikasi akan memakai pengaturan</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>lokal sistem Anda sebagai bawaan.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>Agar waktu salat akurat,</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>pastikan Anda menyesuaikan hal berikut</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>di menu Pengaturan:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1.Pilih Metode Ashar (Hanafi/Syafi'i).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2.Pilih salah satu nilai sudut</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>yang dipakai menghitung waktu Subuh/Isya</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>Anda juga dapat melihat waktu salat untuk</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>lokasi mana pun kapan saja lewat menu lain</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>Jika Anda mengalami masalah, silakan</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin Versi 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>Suara Azan Aktif/Nonaktif</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>Ulangi Azan</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>Alarm/Azan</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>Nama Kota</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>Nama Negara</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Bujur</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Lintang</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Zona Waktu</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>Pilih Kota: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>Zona Waktu</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>Awal Waktu Musim Panas: </translation>
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
            <translation>Urutan</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>Akhir Waktu Musim Panas: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>Nama Metode</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>Sudut Subuh</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>Sudut Isya</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>Metode Ashar</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>Metode Hanafi:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>Waktu Ashar saat panjang bayangan =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × panjang benda + bayangan zawal</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>Metode Syafi'i:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>panjang benda + bayangan zawal</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>Subuh/Isya</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>Organisasi-organisasi Islam berikut memakai</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>metode berbeda untuk menghitung Subuh/Isya:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1.Otoritas Survei Umum Mesir:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>Afrika, Suriah, Irak, Lebanon, Malaysia...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2.Masyarakat Islam Amerika Utara (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>Sebagian AS, Kanada, Inggris.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3.Ummul Qura, Makkah:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>Jazirah Arab.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4.Universitas Ilmu-Ilmu Islam, Karachi:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>Pakistan, Bangladesh, India, Afganistan...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5.Liga Muslim Dunia:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>Eropa, Timur Jauh, sebagian AS.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>Ke Tanggal Masehi:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>Pilih Tanggal</translation>
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
            <translation>Ke Tanggal Hijriah:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>Tanggal Hijriah</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>Bulan Hijriah</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>Tahun Hijriah</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>Karena perhitungan tidak berdasarkan </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>rukyat hilal yang sebenarnya, </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>bisa ada selisih +/-1 hari</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>Tanggal Masehi:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>Pengingat Aktif/Nonaktif</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>Ingatkan</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Tanggal:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>Umur Bulan:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>Fase Bulan:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>Iluminasi:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>Lunasi:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>Jarak:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>Jadwal Salat</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>Jadwal salat harian, tanggal Hijriah, dan arah kiblat untuk kota Anda</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>Jadwal salat harian umat Islam, tanggal Hijriah, dan kiblat untuk kota Anda</translation>
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
            <translation>BIRU TUA</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>MERAH TUA</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>ABU-ABU</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>HIJAU</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>ABU-ABU MUDA</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>HIJAU MUDA</translation>
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
            <translation>Eropa</translation>
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
            <translation>1 hari sebelumnya</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 hari sebelumnya</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 hari sebelumnya</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>Turunnya wahyu pertama Al-Qur'an</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 hari %2 jam %3 mnt</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 km</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>salat;sholat;azan;kiblat;hijriah;islam;jadwal salat;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>Opsi Perhitungan</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>Tidak ada: pakai konvensi sudut yang dipilih</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>Metode resmi:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>Subuh (menit):</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>Terbit (menit):</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>Zuhur (menit):</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>Ashar (menit):</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>Maghrib (menit):</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>Isya (menit):</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>Buang detik</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>Menit terdekat</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>Pembulatan:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>Seperti di lintang 45</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>Tengah malam</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>Sepertujuh malam</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>Sudut Subuh/Isya</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>Lintang tinggi:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>Tanpa waktu (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>Lintang terdekat yang punya siang</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>Hari kutub:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>Hisab urfi (aritmetika)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Ummul Qura</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>Kalender Hijriah:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> hari</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>Koreksi Hijriah:</translation>
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
            <translation>Format jam:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>Opsi tidak dapat disimpan.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> mnt</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Mati</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>Beri tahu sebelum azan:</translation>
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
            <translation>Bahasa baru tampil saat program dijalankan lagi.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>Cari Kota</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>Ketik sebagian nama kota:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>Silakan pilih kota</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>Kota yang ditemukan</translation>
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
            <translation>Tanggal</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>Hijriah</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Subuh</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Terbit</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Zuhur</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Ashar</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isya</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>Jadwal Bulanan</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; Sebelumnya</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>Berikutnya &gt;</translation>
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
%2; Ashar %3
Hijriah: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>Printer tidak dapat dijalankan.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Simpan sebagai PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Berkas PDF (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>PDF tidak dapat ditulis ke %1: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>Berkas tidak dapat ditulis ke %1: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Simpan sebagai CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Berkas CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>Simpan sebagai iCalendar</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>Berkas iCalendar (*.ics)</translation>
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
            <translation>Jadwal salat bulan ini</translation>
        </message>
    </context>
</TS>
