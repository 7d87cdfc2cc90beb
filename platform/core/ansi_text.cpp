#include "platform/core/ansi_text.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five undefined bytes, which map to
// the C1 control of the same value as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char AnsiByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char32_t mapped = kHighControls[i] ? kHighControls[i] : 0x80 + i;
        if (mapped == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; malformed bytes decode as U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(s[i++]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

} // namespace

std::string AnsiToUtf8(std::string_view ansi)
{
    std::string out;
    out.reserve(ansi.size());
    for (const char c : ansi)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += AnsiByteOf(NextCodePoint(utf8, i));
    return out;
}

} // namespace platform
