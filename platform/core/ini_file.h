#pragma once
// Private-profile (INI) files, read and written key by key:
//
//   [Section]
//   Key=Value
//
// Section and key names match without regard to case; blanks around names and values
// are ignored and one pair of enclosing quotes is taken off a value. Nothing stays
// open between calls and a missing file reads as all keys missing. A write replaces
// the whole file through a temporary file, so a failure never leaves half a file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace platform {

// Values are cut to this many characters, as a 1024-byte read buffer would.
constexpr std::size_t kMaxProfileValueLength = 1023;

std::string GetPrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view fallback);
std::error_code WritePrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                          std::string_view key, std::string_view value);

// Typed writes on top of WriteString.
class IniWriter {
public:
    virtual ~IniWriter() = default;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
};

// Typed access in the manner the settings code expects, each write going to the file
// at once. Writes raise EIniFileException ("Unable to write to %s") when the file
// cannot be written.
class IniFile : public IniWriter {
public:
    explicit IniFile(std::filesystem::path file);

    const std::filesystem::path& FileName() const { return file_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal, "$FF" or "0xFF"; text that does not convert gives the fallback.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // An integer; anything but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    using IniWriter::WriteBool;
    using IniWriter::WriteInteger;

private:
    std::filesystem::path file_;
};

// Many keys written as one replacement of the file: the same contents as writing them
// one by one, but one write, and a failure leaves the whole file as it was.
class IniUpdate : public IniWriter {
public:
    // Raises EIniFileException when the file exists but cannot be read.
    explicit IniUpdate(std::filesystem::path file);
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    // Raises EIniFileException when the file cannot be written.
    void Commit();

private:
    std::filesystem::path file_;
    std::vector<std::string> lines_;
};

} // namespace platform
