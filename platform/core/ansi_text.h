#pragma once
// Windows-1252 ("ANSI") bytes <-> UTF-8. The cores keep file text as ANSI bytes so
// that one byte is one character, as the file formats count them.
#include <string>
#include <string_view>

namespace platform {

std::string AnsiToUtf8(std::string_view ansi);
// Characters without a Windows-1252 code become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

} // namespace platform
