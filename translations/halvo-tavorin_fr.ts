<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>TrayIcon</name>
        <message>
            <source>Show window</source>
            <translation>Afficher la fenêtre</translation>
        </message>
        <message>
            <source>Stop Adhan</source>
            <translation>Arrêter l'Adhan</translation>
        </message>
        <message>
            <source>Start at login</source>
            <translation>Lancer à l'ouverture de session</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Hide window</source>
            <translation>Masquer la fenêtre</translation>
        </message>
        <message>
            <source>Start at login could not be changed</source>
            <translation>Le lancement à l'ouverture de session n'a pas pu être modifié</translation>
        </message>
        <message>
            <source>Halvo Tavorin is still running in the tray</source>
            <translation>Halvo Tavorin fonctionne toujours dans la zone de notification</translation>
        </message>
        <message>
            <source>Quit from the tray icon's menu, or with Ctrl+Q in the window.</source>
            <translation>Quittez depuis le menu de l'icône de notification, ou avec Ctrl+Q dans la fenêtre.</translation>
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
            <translation>%1 h %2 min</translation>
        </message>
        <message>
            <source>%1 is not in the city list</source>
            <translation>%1 n'est pas dans la liste des villes</translation>
        </message>
        <message>
            <source>No prayer time in %1 today or tomorrow</source>
            <translation>Aucune heure de prière à %1 aujourd'hui ni demain</translation>
        </message>
        <message>
            <source>%1 now</source>
            <translation>%1 maintenant</translation>
        </message>
        <message>
            <source>%1 %2, in %3</source>
            <translation>%1 %2, dans %3</translation>
        </message>
        <message>
            <source>%1  %2  (next)</source>
            <translation>%1  %2  (suivante)</translation>
        </message>
        <message>
            <source>%1  %2</source>
            <translation>%1  %2</translation>
        </message>
        <message>
            <source>%1 %2 in %3, %4</source>
            <translation>%1 %2 dans %3, %4</translation>
        </message>
        <message>
            <source>Prayer times are for %1. Use %2 (your time zone)?</source>
            <translation>Les heures de prière sont celles de %1. Utiliser %2 (votre fuseau horaire) ?</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>Utiliser %1</translation>
        </message>
        <message>
            <source>Find City…</source>
            <translation>Rechercher une ville…</translation>
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
            <translation>Annuler</translation>
        </message>
        <message>
            <source>About Halvo Tavorin</source>
            <translation>À propos de Halvo Tavorin</translation>
        </message>
        <message>
            <source>Date Settings</source>
            <translation>Réglage de la date</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Select Location</source>
            <translation>Choisir le lieu</translation>
        </message>
        <message>
            <source>Add  City Information</source>
            <translation>Ajouter une ville</translation>
        </message>
        <message>
            <source>Select Asr Method</source>
            <translation>Choisir la méthode de l'Asr</translation>
        </message>
        <message>
            <source>Twilight Conventions</source>
            <translation>Conventions du crépuscule</translation>
        </message>
        <message>
            <source>Add Twilight Angles</source>
            <translation>Ajouter des angles du crépuscule</translation>
        </message>
        <message>
            <source>Today in Hijri</source>
            <translation>Aujourd'hui en hégirien</translation>
        </message>
        <message>
            <source>Twilight Angles Help</source>
            <translation>Aide sur les angles du crépuscule</translation>
        </message>
        <message>
            <source>Instructions</source>
            <translation>Instructions</translation>
        </message>
        <message>
            <source>Delete City</source>
            <translation>Supprimer une ville</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Set  Adhan</source>
            <translation>Régler l'Adhan</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asr</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Icha</translation>
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
            <translation>Toutes</translation>
        </message>
        <message>
            <source>adhan</source>
            <translation>adhan</translation>
        </message>
        <message>
            <source>Test Sound</source>
            <translation>Tester le son</translation>
        </message>
        <message>
            <source>Qibla Direction</source>
            <translation>Direction de la Qibla</translation>
        </message>
        <message>
            <source>Color Preferences...</source>
            <translation>Préférences de couleur...</translation>
        </message>
        <message>
            <source>Change Background Color</source>
            <translation>Changer la couleur de fond</translation>
        </message>
        <message>
            <source>Change Text Color</source>
            <translation>Changer la couleur du texte</translation>
        </message>
        <message>
            <source>Change Headers Color</source>
            <translation>Changer la couleur des titres</translation>
        </message>
        <message>
            <source>Moon Phase</source>
            <translation>Phase de la Lune</translation>
        </message>
        <message>
            <source>Color Palette</source>
            <translation>Palette de couleurs</translation>
        </message>
        <message>
            <source>Hijri To Gregorean</source>
            <translation>Hégirien vers grégorien</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>EditTimezone</source>
            <translation>Modifier le fuseau horaire</translation>
        </message>
        <message>
            <source>Islamic Feasts</source>
            <translation>Fêtes islamiques</translation>
        </message>
        <message>
            <source>Remind Me</source>
            <translation>Rappel</translation>
        </message>
        <message>
            <source>Reminder</source>
            <translation>Rappel</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>Greg To Hijri</source>
            <translation>Grégorien vers hégirien</translation>
        </message>
        <message>
            <source>Hijri To Greg</source>
            <translation>Hégirien vers grégorien</translation>
        </message>
        <message>
            <source>Change &amp;Date</source>
            <translation>Changer la &amp;date</translation>
        </message>
        <message>
            <source>Restore Date</source>
            <translation>Rétablir la date</translation>
        </message>
        <message>
            <source>Moon phase</source>
            <translation>Phase de la Lune</translation>
        </message>
        <message>
            <source>Timetable...</source>
            <translation>Calendrier mensuel...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Lieu</translation>
        </message>
        <message>
            <source>Add New Location</source>
            <translation>Ajouter un lieu</translation>
        </message>
        <message>
            <source>Edit Location</source>
            <translation>Modifier le lieu</translation>
        </message>
        <message>
            <source>Delete Location</source>
            <translation>Supprimer le lieu</translation>
        </message>
        <message>
            <source>Find City...</source>
            <translation>Rechercher une ville...</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Paramètres</translation>
        </message>
        <message>
            <source>&amp;Asr Method</source>
            <translation>Méthode de l'&amp;Asr</translation>
        </message>
        <message>
            <source>&amp;Twilight Angles</source>
            <translation>Angles du &amp;crépuscule</translation>
        </message>
        <message>
            <source>&amp;Add New Angles</source>
            <translation>Ajouter de &amp;nouveaux angles</translation>
        </message>
        <message>
            <source>Edit Timezones</source>
            <translation>Modifier les fuseaux horaires</translation>
        </message>
        <message>
            <source>Enable/Disable Adhan</source>
            <translation>Activer/désactiver l'Adhan</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Préférences</translation>
        </message>
        <message>
            <source>Calculation Options...</source>
            <translation>Options de calcul...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <translation>&amp;Sommaire</translation>
        </message>
        <message>
            <source>&amp;About Halvo Tavorin</source>
            <translation>À &amp;propos de Halvo Tavorin</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Feast Reminders</source>
            <translation>Rappels des fêtes</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Chourouk</translation>
        </message>
        <message>
            <source>Muharram</source>
            <translation>Mouharram</translation>
        </message>
        <message>
            <source>Safar</source>
            <translation>Safar</translation>
        </message>
        <message>
            <source>Raby' al-awal</source>
            <translation>Rabia al-awal</translation>
        </message>
        <message>
            <source>Raby al-thany</source>
            <translation>Rabia ath-thani</translation>
        </message>
        <message>
            <source>Jumada al-awal</source>
            <translation>Joumada al-oula</translation>
        </message>
        <message>
            <source>Jumada al-thany</source>
            <translation>Joumada ath-thania</translation>
        </message>
        <message>
            <source>Rajab</source>
            <translation>Rajab</translation>
        </message>
        <message>
            <source>Shaa'ban</source>
            <translation>Chaabane</translation>
        </message>
        <message>
            <source>Ramadan</source>
            <translation>Ramadan</translation>
        </message>
        <message>
            <source>Shawwal</source>
            <translation>Chawwal</translation>
        </message>
        <message>
            <source>Thw al-qi'dah</source>
            <translation>Dhou al-qi'da</translation>
        </message>
        <message>
            <source>Thw al-hijjah</source>
            <translation>Dhou al-hijja</translation>
        </message>
        <message>
            <source>January</source>
            <translation>janvier</translation>
        </message>
        <message>
            <source>February</source>
            <translation>février</translation>
        </message>
        <message>
            <source>March</source>
            <translation>mars</translation>
        </message>
        <message>
            <source>April</source>
            <translation>avril</translation>
        </message>
        <message>
            <source>May</source>
            <translation>mai</translation>
        </message>
        <message>
            <source>June</source>
            <translation>juin</translation>
        </message>
        <message>
            <source>July</source>
            <translation>juillet</translation>
        </message>
        <message>
            <source>August</source>
            <translation>août</translation>
        </message>
        <message>
            <source>September</source>
            <translation>septembre</translation>
        </message>
        <message>
            <source>October</source>
            <translation>octobre</translation>
        </message>
        <message>
            <source>November</source>
            <translation>novembre</translation>
        </message>
        <message>
            <source>December</source>
            <translation>décembre</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>dimanche</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>lundi</translation>
        </message>
        <message>
            <source>Tuesday</source>
            <translation>mardi</translation>
        </message>
        <message>
            <source>Wednesday</source>
            <translation>mercredi</translation>
        </message>
        <message>
            <source>Thursday</source>
            <translation>jeudi</translation>
        </message>
        <message>
            <source>Friday</source>
            <translation>vendredi</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>samedi</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>First</source>
            <translation>Premier</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Deuxième</translation>
        </message>
        <message>
            <source>Third</source>
            <translation>Troisième</translation>
        </message>
        <message>
            <source>Fourth</source>
            <translation>Quatrième</translation>
        </message>
        <message>
            <source>Fifth</source>
            <translation>Cinquième</translation>
        </message>
        <message>
            <source>New Moon</source>
            <translation>Nouvelle lune</translation>
        </message>
        <message>
            <source>Waxing Crescent Moon</source>
            <translation>Premier croissant</translation>
        </message>
        <message>
            <source>Moon in its first quarter</source>
            <translation>Premier quartier</translation>
        </message>
        <message>
            <source>Waxing Gibbous Moon</source>
            <translation>Lune gibbeuse croissante</translation>
        </message>
        <message>
            <source>Full Moon</source>
            <translation>Pleine lune</translation>
        </message>
        <message>
            <source>Waning Gibbous Moon</source>
            <translation>Lune gibbeuse décroissante</translation>
        </message>
        <message>
            <source>Moon in its last quarter</source>
            <translation>Dernier quartier</translation>
        </message>
        <message>
            <source>Waning Crescent Moon</source>
            <translation>Dernier croissant</translation>
        </message>
        <message>
            <source>Islamic New Year</source>
            <translation>Nouvel An</translation>
        </message>
        <message>
            <source>The Hijra of the prophet from Mecca to Medina.</source>
            <translation>L'Hégire du Prophète de La Mecque à Médine.</translation>
        </message>
        <message>
            <source>Ashura</source>
            <translation>Achoura</translation>
        </message>
        <message>
            <source>The martyrdom of Husayn </source>
            <translation>Le martyre de Hussein </translation>
        </message>
        <message>
            <source>Mawlid al-Nabiy</source>
            <translation>Mawlid an-Nabi</translation>
        </message>
        <message>
            <source>The anniversary of the birth of the Prophet</source>
            <translation>L'anniversaire de la naissance du Prophète</translation>
        </message>
        <message>
            <source>Mi’Raj al-Nabiy</source>
            <translation>Isra et Mi'raj</translation>
        </message>
        <message>
            <source>Al-Mi’Raj of the prophet to Heaven.</source>
            <translation>L'ascension (Mi'raj) du Prophète aux cieux.</translation>
        </message>
        <message>
            <source>First of Ramadan</source>
            <translation>1er Ramadan</translation>
        </message>
        <message>
            <source>The beginning of the holy month of fasting</source>
            <translation>Le début du mois sacré du jeûne</translation>
        </message>
        <message>
            <source>Lailat Al Qadr</source>
            <translation>Laylat al-Qadr</translation>
        </message>
        <message>
            <source>Eid Al Fitr</source>
            <translation>Aïd el-Fitr</translation>
        </message>
        <message>
            <source>Festival of Breaking the Fast of Ramadan.</source>
            <translation>La fête de la rupture du jeûne du Ramadan.</translation>
        </message>
        <message>
            <source>Arafat</source>
            <translation>Jour d'Arafat</translation>
        </message>
        <message>
            <source>The final revelation to the Prophet at Mt. Arafat</source>
            <translation>La dernière révélation au Prophète, au mont Arafat</translation>
        </message>
        <message>
            <source>Eid Al Adha</source>
            <translation>Aïd el-Adha</translation>
        </message>
        <message>
            <source>Festival of Sacrifice concludes the pilgrimage.</source>
            <translation>La fête du sacrifice clôt le pèlerinage.</translation>
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
            <translation>Hanafite</translation>
        </message>
        <message>
            <source>Shafi</source>
            <translation>Chaféite</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Nord</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Sud</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Est</translation>
        </message>
        <message>
            <source>West</source>
            <translation>Ouest</translation>
        </message>
        <message>
            <source>The Application will use your local</source>
            <translation>Par défaut, l'application utilise</translation>
        </message>
        <message>
            <source>windows settings as default.</source>
            <translation>les paramètres régionaux du système.</translation>
        </message>
        <message>
            <source>In order to get accurate prayer times,</source>
            <translation>Pour obtenir des heures de prière exactes,</translation>
        </message>
        <message>
            <source>make sure to adjust the following in the</source>
            <translation>pensez à régler ce qui suit dans</translation>
        </message>
        <message>
            <source>settings menu:</source>
            <translation>le menu Paramètres :</translation>
        </message>
        <message>
            <source>1.Choose the Asr Method (Hanafi/Shafi).</source>
            <translation>1.Méthode de l'Asr (hanafite/chaféite).</translation>
        </message>
        <message>
            <source>2.Choose one of the twilight angles</source>
            <translation>2.Choisissez un angle du crépuscule</translation>
        </message>
        <message>
            <source>values used to calculate Fajr/Isha Times</source>
            <translation>servant au calcul du Fajr et de l'Icha</translation>
        </message>
        <message>
            <source>You can also get prayer times for any</source>
            <translation>Les autres menus donnent aussi les heures</translation>
        </message>
        <message>
            <source>location any time using other menu options</source>
            <translation>de prière de tout lieu, à toute date</translation>
        </message>
        <message>
            <source>If you encounter any problems, please</source>
            <translation>En cas de problème, veuillez</translation>
        </message>
        <message>
            <source>Halvo Tavorin V 3.0</source>
            <translation>Halvo Tavorin V 3.0</translation>
        </message>
        <message>
            <source>Adhan Sound ON/OFF</source>
            <translation>Son de l'Adhan</translation>
        </message>
        <message>
            <source>Repeat Adhan</source>
            <translation>Répéter l'Adhan</translation>
        </message>
        <message>
            <source>Alarm/Adhan</source>
            <translation>Alarme/Adhan</translation>
        </message>
        <message>
            <source>City Name</source>
            <translation>Ville</translation>
        </message>
        <message>
            <source>Country Name</source>
            <translation>Pays</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitude</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitude</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Fuseau horaire</translation>
        </message>
        <message>
            <source>Select City: </source>
            <translation>Choisir la ville : </translation>
        </message>
        <message>
            <source>Timezone Name</source>
            <translation>Nom du fuseau</translation>
        </message>
        <message>
            <source>Daylight Saving Time Begins: </source>
            <translation>Début de l'heure d'été : </translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>DayofWeek</source>
            <translation>Jour sem.</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <source>Daylight Saving Time Ends: </source>
            <translation>Fin de l'heure d'été : </translation>
        </message>
        <message>
            <source>Method Name</source>
            <translation>Nom de la méthode</translation>
        </message>
        <message>
            <source>Fajr Angle</source>
            <translation>Angle Fajr</translation>
        </message>
        <message>
            <source>Isha Angle</source>
            <translation>Angle Icha</translation>
        </message>
        <message>
            <source>Asr Method</source>
            <translation>Méthode</translation>
        </message>
        <message>
            <source>Hanafi Method:</source>
            <translation>Méthode hanafite :</translation>
        </message>
        <message>
            <source>Asr Time is when length of shadow =</source>
            <translation>L'Asr commence quand l'ombre =</translation>
        </message>
        <message>
            <source>2 * length of object + noon shadow</source>
            <translation>2 × hauteur de l'objet + ombre de midi</translation>
        </message>
        <message>
            <source>Shafi Method:</source>
            <translation>Méthode chaféite :</translation>
        </message>
        <message>
            <source>length of object + noon shadow</source>
            <translation>hauteur de l'objet + ombre de midi</translation>
        </message>
        <message>
            <source>Fajr/Isha</source>
            <translation>Fajr/Icha</translation>
        </message>
        <message>
            <source>The following Islamic organisations use</source>
            <translation>Les organisations islamiques suivantes</translation>
        </message>
        <message>
            <source>different methods to calculate Fajr/Isha:</source>
            <translation>calculent le Fajr et l'Icha différemment :</translation>
        </message>
        <message>
            <source>1.Egyptian Gen Organisation of Surveying:</source>
            <translation>1.Org. générale égyptienne d'arpentage :</translation>
        </message>
        <message>
            <source>Africa, Syria, Iraq, Lebanon, Malysia...</source>
            <translation>Afrique, Syrie, Irak, Liban, Malaisie...</translation>
        </message>
        <message>
            <source>2.Islamic Society of North America(ISNA):</source>
            <translation>2.Islamic Society of North America (ISNA) :</translation>
        </message>
        <message>
            <source>Parts of USA, Canada, UK.</source>
            <translation>Partie des USA, Canada, Royaume-Uni.</translation>
        </message>
        <message>
            <source>3.Um Ul-Qura, Makkah:</source>
            <translation>3.Umm al-Qura, La Mecque :</translation>
        </message>
        <message>
            <source>Arabian Peninsula.</source>
            <translation>Péninsule Arabique.</translation>
        </message>
        <message>
            <source>4.University of Islamic Sciences, Karachi:</source>
            <translation>4.Univ. des sciences islamiques, Karachi :</translation>
        </message>
        <message>
            <source>Pakistan, Bangladesh, India, Afghanistan...</source>
            <translation>Pakistan, Bangladesh, Inde, Afghanistan...</translation>
        </message>
        <message>
            <source>5.World Islamic League:</source>
            <translation>5.Ligue islamique mondiale :</translation>
        </message>
        <message>
            <source>Europe, Far East, parts of USA.</source>
            <translation>Europe, Extrême-Orient, partie des USA.</translation>
        </message>
        <message>
            <source>Go to Gregorean Date:</source>
            <translation>Aller à la date grégorienne :</translation>
        </message>
        <message>
            <source>Select Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <source>Select Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Select Year</source>
            <translation>Année</translation>
        </message>
        <message>
            <source>Go to Hijri Date:</source>
            <translation>Aller à la date hégirienne :</translation>
        </message>
        <message>
            <source>Hijri Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <source>Hijri Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Hijri Year</source>
            <translation>Année</translation>
        </message>
        <message>
            <source>Since Calculations are not based on </source>
            <translation>Le calcul ne reposant pas sur </translation>
        </message>
        <message>
            <source>actual moon sightings, </source>
            <translation>l'observation réelle du croissant, </translation>
        </message>
        <message>
            <source>There may be a +/-1 day discrepancy</source>
            <translation>un écart de +/-1 jour est possible</translation>
        </message>
        <message>
            <source>Gregorean Date:</source>
            <translation>Date grég. :</translation>
        </message>
        <message>
            <source>Feast Reminder ON/OFF</source>
            <translation>Rappel des fêtes</translation>
        </message>
        <message>
            <source>Remind me</source>
            <translation>Me rappeler</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Date :</translation>
        </message>
        <message>
            <source>Moon Age:</source>
            <translation>Âge :</translation>
        </message>
        <message>
            <source>Moon Phase:</source>
            <translation>Phase :</translation>
        </message>
        <message>
            <source>% Luminated:</source>
            <translation>% éclairé :</translation>
        </message>
        <message>
            <source>Lunation:</source>
            <translation>Lunaison :</translation>
        </message>
        <message>
            <source>Moon/Earth:</source>
            <translation>Lune/Terre :</translation>
        </message>
        <message>
            <source>Halvo Tavorin</source>
            <translation>Halvo Tavorin</translation>
        </message>
        <message>
            <source>Prayer Times</source>
            <translation>Heures de prière</translation>
        </message>
        <message>
            <source>Daily prayer times, Hijri dates and the Qibla direction for your city</source>
            <translation>Heures de prière quotidiennes, dates de l'Hégire et direction de la Qibla pour votre ville</translation>
        </message>
        <message>
            <source>Daily Muslim prayer times, Hijri dates and the Qibla for your city</source>
            <translation>Heures des prières musulmanes, dates de l'Hégire et Qibla pour votre ville</translation>
        </message>
        <message>
            <source>BLACK</source>
            <translation>NOIR</translation>
        </message>
        <message>
            <source>BLUE</source>
            <translation>BLEU</translation>
        </message>
        <message>
            <source>DARK BLUE</source>
            <translation>BLEU FONCÉ</translation>
        </message>
        <message>
            <source>DARK RED</source>
            <translation>ROUGE FONCÉ</translation>
        </message>
        <message>
            <source>GRAY</source>
            <translation>GRIS</translation>
        </message>
        <message>
            <source>GREEN</source>
            <translation>VERT</translation>
        </message>
        <message>
            <source>LIGHT GRAY</source>
            <translation>GRIS CLAIR</translation>
        </message>
        <message>
            <source>LIGHT GREEN</source>
            <translation>VERT CLAIR</translation>
        </message>
        <message>
            <source>RED</source>
            <translation>ROUGE</translation>
        </message>
        <message>
            <source>WHITE</source>
            <translation>BLANC</translation>
        </message>
        <message>
            <source>YELLOW</source>
            <translation>JAUNE</translation>
        </message>
        <message>
            <source>Africa</source>
            <translation>Afrique</translation>
        </message>
        <message>
            <source>Asia</source>
            <translation>Asie</translation>
        </message>
        <message>
            <source>Australia</source>
            <translation>Australie</translation>
        </message>
        <message>
            <source>Europe</source>
            <translation>Europe</translation>
        </message>
        <message>
            <source>Middle East</source>
            <translation>Moyen-Orient</translation>
        </message>
        <message>
            <source>North America</source>
            <translation>Amérique du Nord</translation>
        </message>
        <message>
            <source>South America</source>
            <translation>Amérique du Sud</translation>
        </message>
        <message>
            <source>A.H.</source>
            <translation>de l'Hégire</translation>
        </message>
        <message>
            <source>C.E.</source>
            <translation>apr. J.-C.</translation>
        </message>
        <message>
            <source>contact us at %1.</source>
            <translation>écrivez-nous à %1.</translation>
        </message>
        <message>
            <source>Version %1 for Linux</source>
            <translation>Version %1 pour Linux</translation>
        </message>
        <message>
            <source>Same Day</source>
            <translation>Le jour même</translation>
        </message>
        <message>
            <source>1 Day Before</source>
            <translation>1 jour avant</translation>
        </message>
        <message>
            <source>2 Days Before</source>
            <translation>2 jours avant</translation>
        </message>
        <message>
            <source>3 Days Before</source>
            <translation>3 jours avant</translation>
        </message>
        <message>
            <source>The first revelation of the Qur’an</source>
            <translation>La première révélation du Coran</translation>
        </message>
        <message>
            <source>%1 Days %2 Hr %3 Mn</source>
            <translation>%1 j %2 h %3 min</translation>
        </message>
        <message>
            <source>%1 Km</source>
            <translation>%1 km</translation>
        </message>
        <message>
            <source>prayer;salat;adhan;qibla;hijri;islam;</source>
            <translation>prière;salat;adhan;qibla;hégire;islam;</translation>
        </message>
    </context>
    <context>
        <name>halvo::CalculationOptionsDialog</name>
        <message>
            <source>Calculation Options</source>
            <translation>Options de calcul</translation>
        </message>
        <message>
            <source>None: use the twilight convention</source>
            <translation>Aucune : utiliser la convention du crépuscule</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Published method:</source>
            <translation>Méthode publiée :</translation>
        </message>
        <message>
            <source>Fajr minutes:</source>
            <translation>Minutes du Fajr :</translation>
        </message>
        <message>
            <source>Sunrise minutes:</source>
            <translation>Minutes du lever du soleil :</translation>
        </message>
        <message>
            <source>Zuhr minutes:</source>
            <translation>Minutes du Dhuhr :</translation>
        </message>
        <message>
            <source>Asr minutes:</source>
            <translation>Minutes de l'Asr :</translation>
        </message>
        <message>
            <source>Maghrib minutes:</source>
            <translation>Minutes du Maghrib :</translation>
        </message>
        <message>
            <source>Isha minutes:</source>
            <translation>Minutes de l'Icha :</translation>
        </message>
        <message>
            <source>Cut to the minute</source>
            <translation>Tronquer à la minute</translation>
        </message>
        <message>
            <source>Nearest minute</source>
            <translation>Minute la plus proche</translation>
        </message>
        <message>
            <source>Rounding:</source>
            <translation>Arrondi :</translation>
        </message>
        <message>
            <source>As at latitude 45</source>
            <translation>Comme à la latitude 45</translation>
        </message>
        <message>
            <source>Middle of the night</source>
            <translation>Milieu de la nuit</translation>
        </message>
        <message>
            <source>One seventh of the night</source>
            <translation>Un septième de la nuit</translation>
        </message>
        <message>
            <source>Twilight angle</source>
            <translation>Angle du crépuscule</translation>
        </message>
        <message>
            <source>High latitudes:</source>
            <translation>Hautes latitudes :</translation>
        </message>
        <message>
            <source>No times (--:--)</source>
            <translation>Aucune heure (--:--)</translation>
        </message>
        <message>
            <source>Nearest latitude with a day</source>
            <translation>Latitude la plus proche avec un jour</translation>
        </message>
        <message>
            <source>Polar days:</source>
            <translation>Jours polaires :</translation>
        </message>
        <message>
            <source>Civil (arithmetic)</source>
            <translation>Civil (arithmétique)</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Umm al-Qura</translation>
        </message>
        <message>
            <source>Hijri calendar:</source>
            <translation>Calendrier hégirien :</translation>
        </message>
        <message>
            <source> days</source>
            <translation> jours</translation>
        </message>
        <message>
            <source>Hijri adjustment:</source>
            <translation>Ajustement hégirien :</translation>
        </message>
        <message>
            <source>12-hour</source>
            <translation>12 heures</translation>
        </message>
        <message>
            <source>24-hour</source>
            <translation>24 heures</translation>
        </message>
        <message>
            <source>Clock:</source>
            <translation>Horloge :</translation>
        </message>
        <message>
            <source>The options could not be stored.</source>
            <translation>Les options n'ont pas pu être enregistrées.</translation>
        </message>
        <message>
            <source> min</source>
            <translation> min</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>Notify before the Adhan:</source>
            <translation>Prévenir avant l'Adhan :</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>Langue du système</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Langue :</translation>
        </message>
        <message>
            <source>A new language shows when the program starts again.</source>
            <translation>La nouvelle langue s'affiche au prochain démarrage du programme.</translation>
        </message>
    </context>
    <context>
        <name>halvo::FindCityDialog</name>
        <message>
            <source>Find City</source>
            <translation>Rechercher une ville</translation>
        </message>
        <message>
            <source>Makkah, Toronto, united states...</source>
            <translation>Makkah, Toronto, united states...</translation>
        </message>
        <message>
            <source>Type part of the city's name:</source>
            <translation>Tapez une partie du nom de la ville :</translation>
        </message>
        <message>
            <source>Please select a city</source>
            <translation>Veuillez choisir une ville</translation>
        </message>
        <message>
            <source>Cities found</source>
            <translation>Villes trouvées</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableModel</name>
        <message>
            <source>today</source>
            <translation>aujourd'hui</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Aujourd'hui</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Hijri</source>
            <translation>Hégire</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>Chourouk</translation>
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
            <translation>Icha</translation>
        </message>
    </context>
    <context>
        <name>halvo::TimetableWindow</name>
        <message>
            <source>Timetable</source>
            <translation>Calendrier mensuel</translation>
        </message>
        <message>
            <source>&lt; Previous</source>
            <translation>&lt; Précédent</translation>
        </message>
        <message>
            <source>Next &gt;</source>
            <translation>Suivant &gt;</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Imprimer...</translation>
        </message>
        <message>
            <source>Save as P&amp;DF...</source>
            <translation>Enregistrer en P&amp;DF...</translation>
        </message>
        <message>
            <source>Save as &amp;CSV...</source>
            <translation>Enregistrer en &amp;CSV...</translation>
        </message>
        <message>
            <source>Save as &amp;iCalendar...</source>
            <translation>Enregistrer en &amp;iCalendar...</translation>
        </message>
        <message>
            <source>%1
%2; Asr %3
Hijri: %4</source>
            <translation>%1
%2 ; Asr %3
Hégire : %4</translation>
        </message>
        <message>
            <source>The printer could not be started.</source>
            <translation>L'imprimante n'a pas pu être démarrée.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Enregistrer en PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
        <message>
            <source>The PDF could not be written to %1: %2</source>
            <translation>Le PDF n'a pas pu être écrit dans %1 : %2</translation>
        </message>
        <message>
            <source>The file could not be written to %1: %2</source>
            <translation>Le fichier n'a pas pu être écrit dans %1 : %2</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Enregistrer en CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save as iCalendar</source>
            <translation>Enregistrer en iCalendar</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>Fichiers iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Année</translation>
        </message>
        <message>
            <source>Prayer times of the month</source>
            <translation>Horaires de prière du mois</translation>
        </message>
    </context>
</TS>
