#include "generators/TLangCountryAbbr.h"

const std::vector<TLangCountryAbbr::TEntry> &TLangCountryAbbr::Languages()
{
    static const std::vector<TEntry> languages = {
        {"aa", "Afar"}, {"ab", "Abchasisch"}, {"af", "Afrikaans"}, {"am", "Amharisch"}, {"ar", "Arabisch"},
        {"as", "Assamesisch"}, {"ay", "Aymara"}, {"az", "Aserbaidschanisch"}, {"ba", "Baschkirisch"},
        {"be", "Weißrussisch"}, {"bg", "Bulgarisch"}, {"bh", "Biharisch"}, {"bi", "Bislama"}, {"bn", "Bengalisch"},
        {"bo", "Tibetisch"}, {"br", "Bretonisch"}, {"ca", "Katalanisch"}, {"co", "Korsisch"}, {"cs", "Tschechisch"},
        {"cy", "Walisisch"}, {"da", "Dänisch"}, {"de", "Deutsch"}, {"dz", "Dzongkha"}, {"el", "Griechisch"},
        {"en", "Englisch"}, {"eo", "Esperanto"}, {"es", "Spanisch"}, {"et", "Estnisch"}, {"eu", "Baskisch"},
        {"fa", "Persisch"}, {"fi", "Finnisch"}, {"fj", "Fidschianisch"}, {"fo", "Färöisch"}, {"fr", "Französisch"},
        {"fy", "Friesisch"}, {"ga", "Irisch"}, {"gd", "Schottisch-Gälisch"}, {"gl", "Galicisch"}, {"gn", "Guarani"},
        {"gu", "Gujarati"}, {"ha", "Haussa"}, {"he", "Hebräisch"}, {"hi", "Hindi"}, {"hr", "Kroatisch"},
        {"ht", "Haitianisch"}, {"hu", "Ungarisch"}, {"hy", "Armenisch"}, {"ia", "Interlingua"}, {"id", "Indonesisch"},
        {"ie", "Interlingue"}, {"ik", "Inupiak"}, {"is", "Isländisch"}, {"it", "Italienisch"}, {"iu", "Inuktitut"},
        {"ja", "Japanisch"}, {"jv", "Javanisch"}, {"ka", "Georgisch"}, {"kk", "Kasachisch"}, {"kl", "Grönländisch"},
        {"km", "Khmer"}, {"kn", "Kannada"}, {"ko", "Koreanisch"}, {"ks", "Kaschmirisch"}, {"ku", "Kurdisch"},
        {"ky", "Kirgisisch"}, {"la", "Lateinisch"}, {"lb", "Luxemburgisch"}, {"ln", "Lingala"}, {"lo", "Laotisch"},
        {"lt", "Litauisch"}, {"lv", "Lettisch"}, {"mg", "Malagasy"}, {"mi", "Maori"}, {"mk", "Mazedonisch"},
        {"ml", "Malayalam"}, {"mn", "Mongolisch"}, {"mo", "Moldawisch"}, {"mr", "Marathi"}, {"ms", "Malaiisch"},
        {"mt", "Maltesisch"}, {"my", "Birmanisch"}, {"na", "Nauruisch"}, {"ne", "Nepalesisch"},
        {"nl", "Niederländisch"}, {"no", "Norwegisch"}, {"oc", "Okzitanisch"}, {"om", "Oromo"}, {"or", "Oriya"},
        {"pa", "Pandschabi"}, {"pl", "Polnisch"}, {"ps", "Paschtu"}, {"pt", "Portugiesisch"}, {"qu", "Quechua"},
        {"rm", "Rätoromanisch"}, {"rn", "Kirundi"}, {"ro", "Rumänisch"}, {"ru", "Russisch"}, {"rw", "Kinyarwanda"},
        {"sa", "Sanskrit"}, {"sd", "Sindhi"}, {"sg", "Sango"}, {"sh", "Serbokroatisch"}, {"si", "Singhalesisch"},
        {"sk", "Slowakisch"}, {"sl", "Slowenisch"}, {"sm", "Samoanisch"}, {"sn", "Shona"}, {"so", "Somali"},
        {"sq", "Albanisch"}, {"sr", "Serbisch"}, {"ss", "Siswati"}, {"st", "Sesotho"}, {"su", "Sundanesisch"},
        {"sv", "Schwedisch"}, {"sw", "Suaheli"}, {"ta", "Tamilisch"}, {"te", "Telugu"}, {"tg", "Tadschikisch"},
        {"th", "Thai"}, {"ti", "Tigrinya"}, {"tk", "Turkmenisch"}, {"tl", "Tagalog"}, {"tn", "Setswana"},
        {"to", "Tongaisch"}, {"tr", "Türkisch"}, {"ts", "Tsonga"}, {"tt", "Tatarisch"}, {"tw", "Twi"},
        {"ug", "Uigurisch"}, {"uk", "Ukrainisch"}, {"ur", "Urdu"}, {"uz", "Usbekisch"}, {"vi", "Vietnamesisch"},
        {"vo", "Volapük"}, {"wo", "Wolof"}, {"xh", "Xhosa"}, {"yi", "Jiddisch"}, {"yo", "Yoruba"}, {"za", "Zhuang"},
        {"zh", "Chinesisch"}, {"zu", "Zulu"},
    };
    return languages;
}

const std::vector<TLangCountryAbbr::TEntry> &TLangCountryAbbr::Countries()
{
    static const std::vector<TEntry> countries = {
        {"AD", "Andorra"}, {"AE", "Vereinigte Arabische Emirate"}, {"AF", "Afghanistan"}, {"AG", "Antigua und Barbuda"},
        {"AI", "Anguilla"}, {"AL", "Albanien"}, {"AM", "Armenien"}, {"AO", "Angola"}, {"AQ", "Antarktis"},
        {"AR", "Argentinien"}, {"AS", "Amerikanisch-Samoa"}, {"AT", "Österreich"}, {"AU", "Australien"},
        {"AW", "Aruba"}, {"AX", "Åland"}, {"AZ", "Aserbaidschan"}, {"BA", "Bosnien und Herzegowina"},
        {"BB", "Barbados"}, {"BD", "Bangladesch"}, {"BE", "Belgien"}, {"BF", "Burkina Faso"}, {"BG", "Bulgarien"},
        {"BH", "Bahrain"}, {"BI", "Burundi"}, {"BJ", "Benin"}, {"BL", "Saint-Barthélemy"}, {"BM", "Bermuda"},
        {"BN", "Brunei"}, {"BO", "Bolivien"}, {"BQ", "Bonaire, Sint Eustatius und Saba"}, {"BR", "Brasilien"},
        {"BS", "Bahamas"}, {"BT", "Bhutan"}, {"BV", "Bouvetinsel"}, {"BW", "Botswana"}, {"BY", "Weißrussland"},
        {"BZ", "Belize"}, {"CA", "Kanada"}, {"CC", "Kokosinseln"}, {"CD", "Kongo, Demokratische Republik"},
        {"CF", "Zentralafrikanische Republik"}, {"CG", "Kongo"}, {"CH", "Schweiz"}, {"CI", "Elfenbeinküste"},
        {"CK", "Cookinseln"}, {"CL", "Chile"}, {"CM", "Kamerun"}, {"CN", "China"}, {"CO", "Kolumbien"},
        {"CR", "Costa Rica"}, {"CU", "Kuba"}, {"CV", "Kap Verde"}, {"CW", "Curaçao"}, {"CX", "Weihnachtsinsel"},
        {"CY", "Zypern"}, {"CZ", "Tschechien"}, {"DE", "Deutschland"}, {"DJ", "Dschibuti"}, {"DK", "Dänemark"},
        {"DM", "Dominica"}, {"DO", "Dominikanische Republik"}, {"DZ", "Algerien"}, {"EC", "Ecuador"}, {"EE", "Estland"},
        {"EG", "Ägypten"}, {"EH", "Westsahara"}, {"ER", "Eritrea"}, {"ES", "Spanien"}, {"ET", "Äthiopien"},
        {"FI", "Finnland"}, {"FJ", "Fidschi"}, {"FK", "Falklandinseln"}, {"FM", "Mikronesien"}, {"FO", "Färöer"},
        {"FR", "Frankreich"}, {"GA", "Gabun"}, {"GB", "Großbritannien"}, {"GD", "Grenada"}, {"GE", "Georgien"},
        {"GF", "Französisch-Guayana"}, {"GG", "Guernsey"}, {"GH", "Ghana"}, {"GI", "Gibraltar"}, {"GL", "Grönland"},
        {"GM", "Gambia"}, {"GN", "Guinea"}, {"GP", "Guadeloupe"}, {"GQ", "Äquatorialguinea"}, {"GR", "Griechenland"},
        {"GS", "Südgeorgien und die Südlichen Sandwichinseln"}, {"GT", "Guatemala"}, {"GU", "Guam"},
        {"GW", "Guinea-Bissau"}, {"GY", "Guyana"}, {"HK", "Hongkong"}, {"HM", "Heard und McDonaldinseln"},
        {"HN", "Honduras"}, {"HR", "Kroatien"}, {"HT", "Haiti"}, {"HU", "Ungarn"}, {"ID", "Indonesien"},
        {"IE", "Irland"}, {"IL", "Israel"}, {"IM", "Insel Man"}, {"IN", "Indien"},
        {"IO", "Britisches Territorium im Indischen Ozean"}, {"IQ", "Irak"}, {"IR", "Iran"}, {"IS", "Island"},
        {"IT", "Italien"}, {"JE", "Jersey"}, {"JM", "Jamaika"}, {"JO", "Jordanien"}, {"JP", "Japan"}, {"KE", "Kenia"},
        {"KG", "Kirgisistan"}, {"KH", "Kambodscha"}, {"KI", "Kiribati"}, {"KM", "Komoren"},
        {"KN", "St. Kitts und Nevis"}, {"KP", "Nordkorea"}, {"KR", "Südkorea"}, {"KW", "Kuwait"},
        {"KY", "Kaimaninseln"}, {"KZ", "Kasachstan"}, {"LA", "Laos"}, {"LB", "Libanon"}, {"LC", "St. Lucia"},
        {"LI", "Liechtenstein"}, {"LK", "Sri Lanka"}, {"LR", "Liberia"}, {"LS", "Lesotho"}, {"LT", "Litauen"},
        {"LU", "Luxemburg"}, {"LV", "Lettland"}, {"LY", "Libyen"}, {"MA", "Marokko"}, {"MC", "Monaco"},
        {"MD", "Moldawien"}, {"ME", "Montenegro"}, {"MF", "Saint-Martin"}, {"MG", "Madagaskar"},
        {"MH", "Marshallinseln"}, {"MK", "Nordmazedonien"}, {"ML", "Mali"}, {"MM", "Myanmar"}, {"MN", "Mongolei"},
        {"MO", "Macao"}, {"MP", "Nördliche Marianen"}, {"MQ", "Martinique"}, {"MR", "Mauretanien"},
        {"MS", "Montserrat"}, {"MT", "Malta"}, {"MU", "Mauritius"}, {"MV", "Malediven"}, {"MW", "Malawi"},
        {"MX", "Mexiko"}, {"MY", "Malaysia"}, {"MZ", "Mosambik"}, {"NA", "Namibia"}, {"NC", "Neukaledonien"},
        {"NE", "Niger"}, {"NF", "Norfolkinsel"}, {"NG", "Nigeria"}, {"NI", "Nicaragua"}, {"NL", "Niederlande"},
        {"NO", "Norwegen"}, {"NP", "Nepal"}, {"NR", "Nauru"}, {"NU", "Niue"}, {"NZ", "Neuseeland"}, {"OM", "Oman"},
        {"PA", "Panama"}, {"PE", "Peru"}, {"PF", "Französisch-Polynesien"}, {"PG", "Papua-Neuguinea"},
        {"PH", "Philippinen"}, {"PK", "Pakistan"}, {"PL", "Polen"}, {"PM", "Saint-Pierre und Miquelon"},
        {"PN", "Pitcairninseln"}, {"PR", "Puerto Rico"}, {"PS", "Palästina"}, {"PT", "Portugal"}, {"PW", "Palau"},
        {"PY", "Paraguay"}, {"QA", "Katar"}, {"RE", "Réunion"}, {"RO", "Rumänien"}, {"RS", "Serbien"},
        {"RU", "Russland"}, {"RW", "Ruanda"}, {"SA", "Saudi-Arabien"}, {"SB", "Salomonen"}, {"SC", "Seychellen"},
        {"SD", "Sudan"}, {"SE", "Schweden"}, {"SG", "Singapur"}, {"SH", "St. Helena"}, {"SI", "Slowenien"},
        {"SJ", "Svalbard und Jan Mayen"}, {"SK", "Slowakei"}, {"SL", "Sierra Leone"}, {"SM", "San Marino"},
        {"SN", "Senegal"}, {"SO", "Somalia"}, {"SR", "Suriname"}, {"SS", "Südsudan"}, {"ST", "São Tomé und Príncipe"},
        {"SV", "El Salvador"}, {"SX", "Sint Maarten"}, {"SY", "Syrien"}, {"SZ", "Eswatini"},
        {"TC", "Turks- und Caicosinseln"}, {"TD", "Tschad"}, {"TF", "Französische Süd- und Antarktisgebiete"},
        {"TG", "Togo"}, {"TH", "Thailand"}, {"TJ", "Tadschikistan"}, {"TK", "Tokelau"}, {"TL", "Osttimor"},
        {"TM", "Turkmenistan"}, {"TN", "Tunesien"}, {"TO", "Tonga"}, {"TR", "Türkei"}, {"TT", "Trinidad und Tobago"},
        {"TV", "Tuvalu"}, {"TW", "Taiwan"}, {"TZ", "Tansania"}, {"UA", "Ukraine"}, {"UG", "Uganda"},
        {"UM", "United States Minor Outlying Islands"}, {"US", "Vereinigte Staaten"}, {"UY", "Uruguay"},
        {"UZ", "Usbekistan"}, {"VA", "Vatikanstadt"}, {"VC", "St. Vincent und die Grenadinen"}, {"VE", "Venezuela"},
        {"VG", "Britische Jungferninseln"}, {"VI", "Amerikanische Jungferninseln"}, {"VN", "Vietnam"},
        {"VU", "Vanuatu"}, {"WF", "Wallis und Futuna"}, {"WS", "Samoa"}, {"YE", "Jemen"}, {"YT", "Mayotte"},
        {"ZA", "Südafrika"}, {"ZM", "Sambia"}, {"ZW", "Zimbabwe"},
    };
    return countries;
}

namespace {

int indexOf(const std::vector<TLangCountryAbbr::TEntry> &table, const QString &code)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (code.compare(QLatin1String(table[i].code), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

} // namespace

int TLangCountryAbbr::LanguageIndex(const QString &code)
{
    return indexOf(Languages(), code);
}

int TLangCountryAbbr::CountryIndex(const QString &code)
{
    return indexOf(Countries(), code);
}
