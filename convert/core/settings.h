#pragma once
// CONVERT.INI: one binary record of 142 bytes; text is ANSI, padded with blanks.
//
//   offset  0   2 bytes   Language, 16-bit little-endian: 0 German, 1 English, 2 French
//   offset  2  20 bytes   Password, enciphered; only blanks or zero bytes: none set
//   offset 22 120 bytes   CustomFiles: 10 slots of 12 characters, stems of data files
//
// A fresh file is empty and reads as 142 zero bytes. Bytes after the record are kept.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace convert {

constexpr const char* kSettingsFileName = "CONVERT.INI";
constexpr std::size_t kSettingsRecordSize = 142;   // bytes
constexpr std::size_t kPasswordWidth = 20;         // characters
constexpr std::size_t kCustomFileSlots = 10;
constexpr std::size_t kCustomFileWidth = 12;       // characters

struct SettingsRecord {
    std::int16_t Language = 0;
    std::string Password = std::string(kPasswordWidth, '\0');
    std::array<std::string, kCustomFileSlots> CustomFiles; // a blank slot is free
    SettingsRecord() { CustomFiles.fill(std::string(kCustomFileWidth, ' ')); }
};

// Reads the record from CONVERT.INI in `folder` (the name's case ignored). A missing
// file is created empty first; a missing or short record reads as zero bytes. Every
// slot that starts with a zero byte becomes 12 blanks.
SettingsRecord ReadSettings(const std::filesystem::path& folder);

// Writes the whole record in one step, fields padded with blanks or cut to their
// width. False on failure, with the old file untouched; the caller shows
// WriteErrorMessage.
bool WriteSettings(const SettingsRecord& record, const std::filesystem::path& folder);

// The stem in slot `slot` without its surrounding blanks; empty for a free slot.
std::string CustomFileStem(const SettingsRecord& record, std::size_t slot);

} // namespace convert
