#include "convert/core/messages.h"

#include "platform/core/ansi_text.h"

#include <array>

namespace convert {
namespace {

// German, English, French; UTF-8 here, ANSI when handed out.
using Texts = std::array<const char*, 3>;

MessageText Message(const Texts& titles, const Texts& texts, Language language)
{
    const auto i = static_cast<std::size_t>(language);
    return {platform::Utf8ToAnsi(titles.at(i)), platform::Utf8ToAnsi(texts.at(i))};
}

} // namespace

Language LanguageFromCode(int code)
{
    return code == 1 ? Language::English : code == 2 ? Language::French : Language::German;
}

MessageText WriteErrorMessage(Language language)
{
    return Message({"Fehler", "Fehler", "Fehler"},
                   {"Kann nicht auf Disk schreiben", "Cannot write to disk", "Erreur d’écriture sur disque"},
                   language);
}

MessageText DosNameMessage(int checkResult, Language language)
{
    const Texts titles = {"Fehler!", "Error!", "Erreur!"};
    if (checkResult == 2)
        return Message(titles,
                       {"Name darf keinen Punkt enthalten!", "The file name must not contain a period!",
                        "Le nom du fichier ne doit pas contenir un point!"},
                       language);
    return Message(titles,
                   {"Pfad oder Name nicht DOS-konform!", "Path or file name not conforming to DOS rules!",
                    "Le chemin d’accès n'est pas conforme aux règles DOS!"},
                   language);
}

MessageText NotAUnitFileMessage(Language language)
{
    return Message({"Fehler", "Error", "Erreur"},
                   {"Keine Mensuro-Datei", "Not a Mensuro file", "Ce fichier n'est pas conforme à Mensuro"},
                   language);
}

MessageText CalculationErrorMessage(Language language)
{
    return Message({"Fehler in Datenbank", "Error in data base", "Erreur en base des donnes"},
                   {"Division durch Null", "Can't divide by zero", "Division par zero"}, language);
}

} // namespace convert
