#include "platform/core/ini_file.h"

#include "platform/core/atomic_file.h"
#include "platform/core/errors.h"
#include "platform/core/number_conversion.h"
#include "platform/core/text_file.h"
#include "platform/core/text_trim.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace platform {
namespace {

std::string_view Trim(std::string_view s) { return platform::Trim(s, " \t"); }

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxProfileValueLength));
}

// Line positions of one section: its header and the end of its last non-blank line.
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0; // one past the last non-blank line
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionOf(lines[i]);
        if (!name || !EqualNoCase(*name, section))
            continue;
        SectionSpan span{i, i + 1};
        for (std::size_t j = i + 1; j < lines.size() && !SectionOf(lines[j]); ++j)
            if (!Trim(lines[j]).empty())
                span.end = j + 1;
        return span;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, const SectionSpan& span,
                                   std::string_view key)
{
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto entry = KeyOf(lines[i]);
        if (entry && EqualNoCase(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> Lookup(const std::filesystem::path& file, std::string_view section, std::string_view key)
{
    const auto bytes = ReadFileBytes(file);
    if (!bytes)
        return std::nullopt;
    const auto lines = SplitLines(*bytes);
    const auto span = FindSection(lines, section);
    if (!span)
        return std::nullopt;
    const auto line = FindKey(lines, *span, key);
    if (!line)
        return std::nullopt;
    return Unquote(KeyOf(lines[*line])->value);
}

} // namespace

std::string GetPrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view fallback)
{
    return Lookup(file, section, key).value_or(std::string(fallback));
}

namespace {

// The file's lines, empty for a missing file; nullopt for a file that exists but
// cannot be read, which must not be replaced by one holding only the new keys.
std::optional<std::vector<std::string>> LinesForUpdate(const std::filesystem::path& file)
{
    if (const auto bytes = ReadFileBytes(file))
        return SplitLines(*bytes);
    if (std::error_code missing; std::filesystem::exists(file, missing))
        return std::nullopt;
    return std::vector<std::string>{};
}

void SetValue(std::vector<std::string>& lines, std::string_view section, std::string_view key, std::string_view value)
{
    const std::string entry = std::string(key) + "=" + std::string(value);
    if (const auto span = FindSection(lines, section)) {
        if (const auto line = FindKey(lines, *span, key))
            lines[*line] = entry;
        else
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(span->end), entry);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }
}

std::error_code ReplaceWithLines(const std::filesystem::path& file, const std::vector<std::string>& lines)
{
    std::string contents;
    for (const auto& line : lines)
        contents += line + "\r\n";
    return ReplaceFileAtomically(file, contents);
}

} // namespace

std::error_code WritePrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                          std::string_view key, std::string_view value)
{
    auto lines = LinesForUpdate(file);
    if (!lines)
        return std::make_error_code(std::errc::io_error);
    SetValue(*lines, section, key, value);
    return ReplaceWithLines(file, *lines);
}

void IniWriter::WriteInteger(std::string_view section, std::string_view key, std::int64_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniWriter::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

IniUpdate::IniUpdate(std::filesystem::path file)
    : file_(std::move(file))
{
    auto lines = LinesForUpdate(file_);
    if (!lines)
        throw EIniFileException(file_.string());
    lines_ = std::move(*lines);
}

void IniUpdate::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    SetValue(lines_, section, key, value);
}

void IniUpdate::Commit()
{
    if (ReplaceWithLines(file_, lines_))
        throw EIniFileException(file_.string());
}

IniFile::IniFile(std::filesystem::path file)
    : file_(std::move(file))
{
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return GetPrivateProfileString(file_, section, key, fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    const auto text = Lookup(file_, section, key);
    return text ? StrToIntDef(*text, fallback) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Lookup(file_, section, key).has_value();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (WritePrivateProfileString(file_, section, key, value))
        throw EIniFileException(file_.string());
}

} // namespace platform
