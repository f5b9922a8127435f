"""The picker's fixed vocabulary: map regions, their key colours and x ranges,
and the country names each region lists.

The city list, the map and the data test all read these tables, so a country
text or a map colour can only be one the Select Location dialog understands.
Names are kept exactly as the dialog spells them, including "Lethoso": a city
whose country text differs in any character could never be picked.
"""

# (name, key colour, lowest x exclusive, highest x inclusive), in lookup order.
MAP_REGIONS = [
    ("Africa", (255, 0, 0), 0, 240),
    ("Asia", (0, 0, 255), 0, 240),
    ("Australia", (0, 255, 0), 180, 240),
    ("Europe", (255, 255, 0), 90, 240),
    ("Middle East", (0, 255, 0), 110, 180),
    ("North America", (0, 255, 0), 0, 110),
    ("South America", (255, 255, 0), 0, 90),
]

MAP_WIDTH = 240
MAP_HEIGHT = 120

# How the map lays longitudes out across its columns: (longitude, column edge)
# knots, linear between them. The picker tells South America from Europe
# (both yellow) only by column 90 against 91, and a tap on Greenland at
# column 100 must still find North America, so the map cannot be plainly
# equirectangular: the Atlantic between Brazil's eastern tip and Iceland's
# western one narrows to nothing, the Americas are a little narrower and the
# strip from Iceland to Greenland's east coast a little wider than the rest.
MAP_COLUMNS = [
    (-180.0, 0.0),
    (-34.75, 90.99),   # Brazil ends in column 90
    (-24.3, 91.0),     # Iceland begins in column 91
    (-16.5, 100.0),    # Greenland's north-east coast reaches column 100
    (180.0, 240.0),
]


# Columns where the map must show a region's key colour, so that a tap there
# selects it: each side of the two column boundaries that yellow and green
# land straddle, and the middle of the two other green regions.
MAP_TAP_COLUMNS = [
    (90, "South America"),
    (91, "Europe"),
    (100, "North America"),
    (150, "Middle East"),
    (200, "Australia"),
]


def column_of(longitude):
    """Column position (not yet rounded down) of a longitude in -180..180."""
    for (lon0, x0), (lon1, x1) in zip(MAP_COLUMNS, MAP_COLUMNS[1:]):
        if longitude <= lon1:
            return x0 + (max(longitude, lon0) - lon0) * (x1 - x0) / (lon1 - lon0)
    return MAP_COLUMNS[-1][1]


def longitude_of(column):
    """Longitude of a column position: the inverse of column_of."""
    for (lon0, x0), (lon1, x1) in zip(MAP_COLUMNS, MAP_COLUMNS[1:]):
        if column <= x1:
            return lon0 + (max(column, x0) - x0) * (lon1 - lon0) / (x1 - x0)
    return MAP_COLUMNS[-1][0]


def row_of(latitude):
    """Row position (not yet rounded down) of a latitude."""
    return (90.0 - latitude) / 180.0 * MAP_HEIGHT

COUNTRY_LISTS = {
    "Africa": [
        "Egypt", "Eritrea", "Djibouti", "Uganda", "South Africa", "Libya",
        "Nigeria", "Kenya", "Namibia", "Tunisia", "Ghana", "Rwanda",
        "Botswana", "Algeria", "Senegal", "Liberia", "Zimbabwe", "Morocco",
        "Togo", "Burundi", "Malawi", "Sudan", "Republic of the Congo",
        "Guinea-Bissau", "Benin", "Gabon", "Mali",
        "Democratic Republic of the Congo", "Madagascar", "Western Sahara",
        "Cote d'Ivoire", "Mozambique", "Lethoso", "Mauritania",
        "Central African Republic", "Zambia", "Niger", "Sierra Leone",
        "Angola", "Chad", "Tanzania", "Guinea", "Burkina Faso", "Cameroon",
        "Ethiopia", "Somalia", "Swaziland", "Cape Verde", "Equatorial Guinea",
        "Gambia", "Mauritius", "Sao Tome and Principe", "Seychelles",
        "Bassas da India", "Bouvet Island", "Europa Island",
        "French Southern and Antarctic Lands", "Glorioso Islands",
        "Heard Island and McDonald Islands", "Juan de Nova Island", "Mayotte",
        "Reunion", "Tromelin Island",
    ],
    "Asia": [
        "Nepal", "Russia", "India", "Mongolia", "Taiwan", "Thailand",
        "Kazakhstan", "Burma", "Bhutan", "Sri Lanka", "China", "Japan", "Laos",
        "Korea", "Cambodia", "North Korea", "Vietnam", "Bangladesh",
        "Philippines", "Singapore", "Maldives", "Malaysia", "Indonesia",
        "East Timor", "Brunei", "Ashmore and Cartier Islands",
        "British Indian Ocean Territory", "Christmas Island",
        "Cocos (keeling) Islands", "Hong Kong", "Northern Mariana Islands",
        "Paracel Islands", "Spratly Islands",
    ],
    "Australia": [
        "Papua New Guinea", "Australia", "New Zealand", "Fiji", "Kiribati",
        "Marshall Islands", "Micronesia, Federated States of", "Nauru", "Palau",
        "Samoa", "Solomon Islands", "Tonga", "Tuvalu", "Vanuatu",
        "Cook Islands", "Coral Sea Islands",
    ],
    "Europe": [
        "Norway", "France", "Estonia", "Belarus", "Romania",
        "F.Y.R.O Macedonia", "Austria", "Russia", "Finland", "Ukraine",
        "Sweden", "Czech Republic", "Spain", "Latvia", "Hungary", "Greece",
        "Poland", "Italy", "Lithuania", "Slovakia", "Bulgaria",
        "United Kingdom", "Slovenia", "Portugal", "Denmark", "Switzerland",
        "Luxembourg", "Netherlands", "Moldova", "Germany",
        "Bosnia and Herzegovina", "Ireland", "Croatia", "Albania",
        "Holy See (Vatican City)", "Monaco", "San Marino", "Malta",
        "Liechtenstein", "Iceland", "Belgium", "Georgia", "Andorra",
        "British Virgin Islands", "Faroe Islands", "Gibraltar", "Jan Mayen",
        "Jersey", "Man, Isle of", "Serbia and Montenegro",
        "Turks and Caicos Islands", "Wallis and Futuna",
    ],
    "Middle East": [
        "Jordan", "Kyrgyzstan", "Qatar", "Pakistan", "Turkey", "Saudi Arabia",
        "Azerbaijan", "Afghanistan", "Syria", "Iraq", "Iran", "Tajikistan",
        "Turkmenistan", "Kuwait", "Oman", "Armenia", "Israel", "Uzbekistan",
        "Yemen", "Cyprus", "Lebanon", "Bahrain", "Gaza Strip",
        "United Arab Emirates", "Palestine",
    ],
    "North America": [
        "Greenland", "Canada", "Nicaragua", "USA", "Dominican Republic",
        "Honduras", "Cuba", "Panama", "Mexico", "Costa Rica", "Guatemala",
        "Antigua and Barbuda", "Bahamas", "Barbados", "Belize", "Dominica",
        "El Salvador", "Grenada", "Haiti", "Jamaica", "Saint Kitts and Nevis",
        "Saint Lucia", "Saint Vincent and the Grenadines",
        "Trinidad and Tobago", "Baker Island", "Cayman Islands",
        "Clipperton Island", "Howland Island", "Jarvis Island",
        "Johnston Atoll", "Kingman Reef", "Martinique", "Midway Islands",
        "Navassa Island", "Palmyra Atoll", "Guadeloupe", "Puerto Rico",
        "Saint Helena", "Saint Pierre and Miquelon", "Virgin Islands",
        "Wake Island",
    ],
    "South America": [
        "Colombia", "Chile", "Guyana", "Suriname", "French Guiana", "Brazil",
        "Ecuador", "Peru", "Bolivia", "Paraguay", "Argentina", "Uruguay",
        "Venezuela", "Falkland Islands (Islas Malvinas)", "French Polynesia",
        "Montserrat", "Netherlands Antilles", "New Caledonia",
        "Norfolk Island", "Pitcairn Islands",
        "South Georgia and the South Sandwich Islands",
    ],
}

LISTED_COUNTRIES = frozenset(
    name for names in COUNTRY_LISTS.values() for name in names)


def lookup_region(colour, x):
    """The region a tap at column x on a pixel of this colour selects, or None."""
    for name, key, low, high in MAP_REGIONS:
        if key == tuple(colour) and low < x <= high:
            return name
    return None
