#pragma once
// Texts of the message boxes the core's failures lead to, per language, as ANSI
// bytes. The core shows nothing; the windows show these with a warning icon and OK.
#include <cstdint>
#include <string>

namespace convert {

enum class Language : std::int16_t { German = 0, English = 1, French = 2 };

// The language of a stored code; anything but 0, 1 or 2 is German.
Language LanguageFromCode(int code);

struct MessageText {
    std::string title;
    std::string text;
};

// A unit data file or CONVERT.INI could not be written.
MessageText WriteErrorMessage(Language language);

// CheckDosName's result 1 (not DOS-conforming) or 2 (contains a period).
MessageText DosNameMessage(int checkResult, Language language);

// A chosen file whose name does not end in ".VAL".
MessageText NotAUnitFileMessage(Language language);

// Every failure of a calculation: a divisor of 0, a unit not in its table, a result
// out of range.
MessageText CalculationErrorMessage(Language language);

} // namespace convert
