#include "convert/core/captions.h"

#include "platform/core/ansi_text.h"

#include <algorithm>

namespace convert {
namespace {

// German, English, French; UTF-8 here, ANSI when handed out.
using Texts = std::array<const char*, 3>;

constexpr std::array<Texts, static_cast<std::size_t>(Caption::Count)> kCaptions = {{
    {"Temperatur-Umrechner", "Temperature converter", "Converteur de températures"},
    {"Hilfe-Themen", "Help topics", "Aide"},
    {"Beenden", "Exit", "Quitter"},
    {"Berechnen", "Calculate", "Calculer"},
    {"Resultat in Zwischenablage", "Copy result to clipboard", "Copier le résultat"},
    {"Markierte Zellen in Zwischenablage", "Copy marked cells to clipboard", "Copier les cellules marquées"},
    {"Liste löschen", "Clear list", "Effacer la liste"},
    {"", "Explain abbreviation", ""},
    {"Zurücksetzen", "Reset", "Anuller"},
    {"1.: Klicken Sie zuerst hier, um die Einheitsart zu wählen", "1.: Click here first to choose the unit type",
     "1.: Cliquez d'abord ici pour choisir le type d'unité"},
    {"2.: Klicken Sie nachher hier, um die Einheit zu wählen", "2.: Click here subsequently to choose the unit",
     "2.: Cliquez ensuite ici pour choisir l'unité"},
    {"&Datei", "&File", "&Fichiers"},
    {"Da&tenbank", "&Database", "&Base des données"},
    {"&Länge", "&Length", "&Longueur"},
    {"&Fläche", "&Area", "&Surface"},
    {"&Volumen", "&Volume", "&Volume"},
    {"&Masse", "&Mass", "&Masse"},
    {"&Kraft", "&Force", "&Force"},
    {"Dr&uck", "P&ressure", "P&ression"},
    {"&Dichte", "&Density", "&Densité"},
    {"&Energie", "&Energy", "&Energie"},
    {"Lei&stung", "&Power", "&Puissance"},
    {"&Temperatur", "&Temperature", "&Température"},
    {"D&ynamische Viskosität", "D&ynamic viscosity", "Viscosité d&ynamique"},
    {"K&inematische Viskosität", "K&inematic viscosity", "Viscosité &cinématique"},
    {"&Zeit", "&Time", "&Temps"},
    {"&Andere/Benutzerdefiniert", "&Other/Custom", "&Autres/Définition par l'utilisateur"},
    {"&Beenden", "&Exit", "&Quitter"},
    {"&Optionen", "&Options", "&Options"},
    {"&Verwaltung von Benutzerdateinamen", "&Custom file name management", "&Gérance des noms des fichiers utilisateur"},
    {"&Temperatur-Umrechner", "&Temperature converter", "&Conversion de températures"},
    {"&Passwortschutz für Datenbank", "&Password-protect database",
     "&Protection de la base des donnés par mot de passe"},
    {"&Sprache", "&Language", "&Langue"},
    {"&Englisch", "&English", "A&nglais"},
    {"&Deutsch", "&German", "&Allemand"},
    {"&Französisch", "&French", "&Français"},
    {"Konstanten-Tabellen", "Constant tables", "Tables de constantes"},
    {"Geometrie-Formeln", "Geometry formulas", "Formules de géomètrie"},
    {"&Hilfe", "&Help", "&Aide"},
    {"&Inhalt", "&Contents", "&Index"},
    {"&Ueber Mensuro", "&About Mensuro", "&A propos de Mensuro"},
    {"Einheitsart und Einheit je Zeile wählen, Wert eingeben, Berechnen drücken. F1: Hilfe",
     "Choose a unit type and a unit in each row, type a value, press Calculate. F1: help",
     "Choisissez type et unité par ligne, entrez une valeur, cliquez Calculer. F1 : aide"},
}};

std::size_t Index(Language language) { return static_cast<std::size_t>(language); }

MessageText Message(const Texts& titles, const std::string& text, Language language)
{
    return {platform::Utf8ToAnsi(titles.at(Index(language))), text};
}

std::string Replace(std::string text, const std::string& marker, const std::string& value)
{
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

const Texts kErrorTitles = {"Fehler", "Error", "Erreur"};

} // namespace

std::string CaptionText(Caption caption, Language language)
{
    return platform::Utf8ToAnsi(kCaptions.at(static_cast<std::size_t>(caption)).at(Index(language)));
}

std::string HelpFileName(Language language)
{
    static constexpr Texts files = {"convger.hlp", "conveng.hlp", "convfra.hlp"};
    return files.at(Index(language));
}

std::string StripAmpersand(std::string text)
{
    std::erase(text, '&');
    return text;
}

MessageText NoCustomFilesMessage(Language language)
{
    static constexpr Texts texts = {
        "Keine benutzerdefinierten Daten vorhanden. Wählen Sie 'Optionen'/'Verwaltung von Benutzerdateinamen' aus "
        "dem Hauptmenü um eigene Daten hinzuzufügen.",
        "No custom files found. Select 'Options'/'Custom file name management' from the main menu to add "
        "user-defined data.",
        "Aucuns fichiers utilisateur présents. Choisissez 'Gérance des noms des fichiers utilisateur' du menu "
        "principal pour entrer vos propres données."};
    return Message({"Mitteilung", "Message", "Message"}, platform::Utf8ToAnsi(texts.at(Index(language))), language);
}

// Unit and category are ANSI already; only the sentence around them is converted.
MessageText UnknownUnitMessage(Language language, const std::string& unit, const std::string& category)
{
    static constexpr Texts texts = {"Die Einheit \"%u\" gibt es in \"%c\" nicht.",
                                    "There is no unit \"%u\" in \"%c\".",
                                    "L'unité \"%u\" n'existe pas dans \"%c\"."};
    return Message(kErrorTitles,
                   Replace(Replace(platform::Utf8ToAnsi(texts.at(Index(language))), "%u", unit), "%c", category),
                   language);
}

MessageText MissingOutputUnitMessage(Language language, int row)
{
    static constexpr Texts texts = {"Bitte wählen Sie die Ausgabe-Einheit in Zeile %r.",
                                    "Please choose the output unit of row %r.",
                                    "Veuillez choisir l'unité de sortie de la ligne %r."};
    return Message(kErrorTitles, Replace(platform::Utf8ToAnsi(texts.at(Index(language))), "%r", std::to_string(row)),
                   language);
}

MessageText UnreadableUnitFileMessage(Language language, const std::string& fileName)
{
    static constexpr Texts texts = {"Die Einheitendatei %f fehlt oder ist nicht lesbar.",
                                    "The unit data file %f is missing or cannot be read.",
                                    "Le fichier d'unités %f est absent ou illisible."};
    return Message(kErrorTitles, Replace(platform::Utf8ToAnsi(texts.at(Index(language))), "%f", fileName), language);
}

MessageText NotYetAvailableMessage(Language language)
{
    static constexpr Texts texts = {"Diese Funktion folgt in einer späteren Version.",
                                    "This function comes with a later version.",
                                    "Cette fonction suivra dans une version ultérieure."};
    return Message({"Mitteilung", "Message", "Message"}, platform::Utf8ToAnsi(texts.at(Index(language))), language);
}

} // namespace convert
