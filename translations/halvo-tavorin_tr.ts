<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>Pencereyi göster</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>Ezanı durdur</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>Oturum açılışında başlat</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Çık</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>Pencereyi gizle</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>Oturum açılışında başlatma değiştirilemedi</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin sistem tepsisinde çalışmaya devam ediyor</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>Tepsi simgesinin menüsünden ya da pencerede Ctrl+Q ile çıkabilirsiniz.</translation>
        </message>
    </context>
    <context>
        <name>TrayTexts</name>
        <message>
            <source>%1 min</source>
            <translation>%1 dk</translation>
        </message>
        <message>
            <source>%1 h %2 min</source>
            <translation>%1 sa %2 dk</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 şehir listesinde yok</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>%1 için bugün ve yarın namaz vakti yok</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>%1 vakti</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, %3 sonra</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (sıradaki)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2, %3 sonra, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>Namaz vakitleri %1 için. %2 (saat diliminiz) kullanılsın mı?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>%1 kullan</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>Şehir Bul…</translation>
        </message>
    </context>
    <context>
        <name>halvo</name>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>Halvo Tavorin Hakkında</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>Tarih Ayarları</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Uygula</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Yardım</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>Konum Seç</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>Şehir Bilgisi Ekle</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>İkindi Yöntemini Seç</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>Şafak Hesap Yöntemleri</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>Şafak Açısı Ekle</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>Bugün Hicri Takvimde</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>Şafak Açıları Yardımı</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>Talimatlar</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>Şehir Sil</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>Ezan Ayarı</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>İmsak</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>İkindi</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Yatsı</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Öğle</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Akşam</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Tümü</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>ezan</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>Sesi Dene</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>Kıble Yönü</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>Renk Tercihleri...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>Arka Plan Rengini Değiştir</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>Yazı Rengini Değiştir</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>Başlık Rengini Değiştir</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>Ay Evresi</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>Renk Paleti</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>Hicriden Miladiye</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>Saat Dilimini Düzenle</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>Dini Günler</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>Hatırlat</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>Hatırlatıcı</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Dosya</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>Miladiden Hicriye</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>Hicriden Miladiye</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>&amp;Tarihi Değiştir</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>Bugünün Tarihine Dön</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>Ay evresi</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>Aylık Vakitler...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Çı&amp;kış</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Konum</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>Yeni Konum Ekle</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>Konumu Düzenle</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>Konum Sil</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>Şehir Bul...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Ayarlar</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>İ&amp;kindi Yöntemi</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>Ş&amp;afak Açıları</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>Yeni Açı &amp;Ekle</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>Saat Dilimlerini Düzenle</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>Ezanı Aç/Kapat</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Tercihler</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>Hesaplama Seçenekleri...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Yardım</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>İçindekile&amp;r</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>Halvo Tavorin &amp;Hakkında</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Araçlar</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>Dini Gün Hatırlatıcıları</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Çıkış</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Güneş</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>Muharrem</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>Safer</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>Rebiülevvel</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>Rebiülahir</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>Cemaziyelevvel</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>Cemaziyelahir</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>Recep</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>Şaban</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>Ramazan</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>Şevval</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>Zilkade</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>Zilhicce</translation>
        </message>
        <message>
            <source>January</source>
            <translation>Ocak</translation>
        </message>
        <message>
            <source>February</source>
            <translation>Şubat</translation>
        </message>
        <message>
            <source>March</source>
            <translation>Mart</translation>
        </message>
        <message>
            <source>April</source>
            <translation>Nisan</translation>
        </message>
        <message>
            <source>May</source>
            <translation>Mayıs</translation>
        </message>
        <message>
            <source>June</source>
            <translation>Haziran</translation>
        </message>
        <message>
            <source>July</source>
            <translation>Temmuz</translation>
        </message>
        <message>
            <source>August</source>
            <translation>Ağustos</translation>
        </message>
        <message>
            <source>September</source>
            <translation>Eylül</translation>
        </message>
        <message>
            <source>October</source>
            <translation>Ekim</translation>
        </message>
        <message>
            <source>November</source>
            <translation>Kasım</translation>
        </message>
        <message>
            <source>December</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Pazar</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Pazartesi</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>Salı</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>Çarşamba</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>Perşembe</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>Cuma</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Cumartesi</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Yok</translation>
        </message>
        <message>
            <source>First</source>
            <translation>Birinci</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>İkinci</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>Üçüncü</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>Dördüncü</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>Beşinci</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>Yeni Ay</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>Büyüyen Hilal</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>İlk Dördün</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>Büyüyen Şişkin Ay</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>Dolunay</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>Küçülen Şişkin Ay</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>Son Dördün</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>Küçülen Hilal</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>Hicri Yılbaşı</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>Peygamberimizin Mekke'den Medine'ye hicreti.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>Aşure Günü</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>Hz. Hüseyin'in şehadeti </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>Mevlid Kandili</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>Peygamberimizin doğumunun yıl dönümü</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>Miraç Kandili</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>Peygamberimizin göğe yükselişi (Miraç).</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>Ramazan'ın İlk Günü</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>Mübarek oruç ayının başlangıcı</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>Kadir Gecesi</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>Ramazan Bayramı</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>Ramazan orucunun sona erdiği bayram.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>Arefe</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>Arafat'ta Peygamberimize gelen son vahiy</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>Kurban Bayramı</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>Hac ibadetinin sonunda gelen Kurban Bayramı.</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>ÖÖ</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>ÖS</translation>
        </message>
        <message>
            <source>Hanafi</source>
            <translation>Hanefi</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>Şafii</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Kuzey</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Güney</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Doğu</translation>
        </message>
        <message>
            <source>West</source>
            <translation>Batı</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>Uygulama varsayılan olarak sisteminizin</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>yerel ayarlarını kullanır.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>Doğru namaz vakitleri için</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>Ayarlar menüsünde şunları</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>ayarladığınızdan emin olun:</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1.İkindi Yöntemini seçin (Hanefi/Şafii).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2.İmsak/Yatsı vakitlerini hesaplamada</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>kullanılan şafak açılarından birini seçin</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>Diğer menü seçenekleriyle herhangi bir</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>konumun namaz vakitlerini her an alabilirsiniz</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>Bir sorunla karşılaşırsanız lütfen</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin Sürüm 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>Ezan Sesi Açık/Kapalı</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>Ezanı Tekrarla</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>Alarm/Ezan</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>Şehir Adı</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>Ülke Adı</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Boylam</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Enlem</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Saat Dilimi</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>Şehir Seçin: </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>Saat Dilimi</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>Yaz Saati Başlangıcı: </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Ay</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>Gün</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Kaçıncı</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>Yaz Saati Bitişi: </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>Yöntem Adı</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>İmsak Açısı</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>Yatsı Açısı</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>İkindi Yöntemi</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>Hanefi Yöntemi:</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>İkindi vakti: gölge boyu =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × cismin boyu + zeval gölgesi</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>Şafii Yöntemi:</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>cismin boyu + zeval gölgesi</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>İmsak/Yatsı</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>Aşağıdaki İslami kuruluşlar İmsak/Yatsı</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>vakitlerini farklı yöntemlerle hesaplar:</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1.Mısır Genel Ölçme Kurumu:</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>Afrika, Suriye, Irak, Lübnan, Malezya...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2.Kuzey Amerika İslam Cemiyeti (ISNA):</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>ABD'nin bazı bölgeleri, Kanada, İngiltere.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3.Ümmü'l-Kurâ, Mekke:</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>Arap Yarımadası.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4.İslami İlimler Üniversitesi, Karaçi:</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>Pakistan, Bangladeş, Hindistan, Afganistan...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5.Dünya İslam Birliği:</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>Avrupa, Uzak Doğu, ABD'nin bazı bölgeleri.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>Miladi Tarihe Git:</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>Gün Seçin</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>Ay Seçin</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>Yıl Seçin</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>Hicri Tarihe Git:</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>Hicri Gün</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>Hicri Ay</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>Hicri Yıl</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>Hesaplamalar gerçek hilal </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>gözlemine dayanmadığından, </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>+/-1 günlük fark olabilir</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>Miladi Tarih:</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>Hatırlatıcı Açık/Kapalı</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>Hatırlatma</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Tarih:</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>Ay Yaşı:</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>Ay Evresi:</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>Aydınlık:</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>Lunasyon:</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>Uzaklık:</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>Namaz Vakitleri</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>Şehriniz için günlük namaz vakitleri, hicri tarih ve kıble yönü</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>Şehriniz için günlük namaz vakitleri, hicri tarih ve kıble</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>SİYAH</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>MAVİ</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>KOYU MAVİ</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>KOYU KIRMIZI</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>GRİ</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>YEŞİL</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>AÇIK GRİ</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>AÇIK YEŞİL</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>KIRMIZI</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>BEYAZ</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>SARI</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>Afrika</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>Asya</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>Avustralya</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>Avrupa</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>Orta Doğu</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>Kuzey Amerika</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>Güney Amerika</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>H.</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>M.S.</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>bize %1 adresinden ulaşın.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>Linux için sürüm %1</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>Aynı gün</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 gün önce</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 gün önce</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 gün önce</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>Kur'an'ın inmeye başlaması</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 gün %2 sa %3 dk</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 km</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>namaz;ezan;kıble;hicri;islam;namaz vakitleri;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>Hesaplama Seçenekleri</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>Yok: seçili şafak yöntemi kullanılır</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>Resmî yöntem:</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>İmsak (dakika):</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>Güneş (dakika):</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>Öğle (dakika):</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>İkindi (dakika):</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>Akşam (dakika):</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>Yatsı (dakika):</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>Saniyeleri at</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>En yakın dakika</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>Yuvarlama:</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>45. enlemdeki gibi</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>Gecenin yarısı</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>Gecenin yedide biri</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>Şafak açısı</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>Yüksek enlemler:</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>Vakit yok (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>Günü olan en yakın enlem</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>Kutup günleri:</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>Hesabi (aritmetik)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Ümmü'l-Kurâ</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>Hicri takvim:</translation>
        </message>
        <message>
            <source> days</source>
            <translation> gün</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>Hicri düzeltme:</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 saat</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 saat</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>Saat:</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>Seçenekler kaydedilemedi.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> dk</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Kapalı</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>Ezandan önce bildir:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>Sistemin dili</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Dil:</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>Yeni dil, program yeniden başlatıldığında görünür.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>Şehir Bul</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>Şehir adının bir kısmını yazın:</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>Lütfen bir şehir seçin</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>Bulunan şehirler</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>bugün</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Bugün</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Tarih</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>Hicri</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>İmsak</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Güneş</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Öğle</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>İkindi</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Akşam</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Yatsı</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>Aylık Vakitler</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; Önceki</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>Sonraki &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Yazdır...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>P&amp;DF Olarak Kaydet...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>&amp;CSV Olarak Kaydet...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>&amp;iCalendar Olarak Kaydet...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2; İkindi: %3
Hicri: %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>Yazıcı başlatılamadı.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>PDF Olarak Kaydet</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF dosyaları (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>PDF, %1 konumuna yazılamadı: %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>Dosya, %1 konumuna yazılamadı: %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>CSV Olarak Kaydet</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV dosyaları (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>iCalendar Olarak Kaydet</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>iCalendar dosyaları (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Ay</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Yıl</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>Ayın namaz vakitleri</translation>
        </message>
    </context>
</TS>
