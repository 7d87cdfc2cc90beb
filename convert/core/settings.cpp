#include "convert/core/settings.h"

#include "platform/core/atomic_file.h"
#include "platform/core/file_lookup.h"
#include "platform/core/text_file.h"
#include "platform/core/text_trim.h"

#include <algorithm>
#include <fstream>

namespace convert {
namespace {

constexpr std::size_t kPasswordOffset = 2;
constexpr std::size_t kCustomFilesOffset = kPasswordOffset + kPasswordWidth;

std::string Field(const std::string& text, std::size_t width)
{
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    return field;
}

} // namespace

SettingsRecord ReadSettings(const std::filesystem::path& folder)
{
    SettingsRecord record;
    std::string bytes;
    if (const auto path = platform::FindFileNoCase(folder, kSettingsFileName))
        bytes = platform::ReadFileBytes(*path).value_or("");
    else
        std::ofstream(folder / kSettingsFileName, std::ios::binary); // an empty file, as the first open leaves it
    bytes.resize(kSettingsRecordSize, '\0');

    const auto low = static_cast<unsigned char>(bytes[0]);
    const auto high = static_cast<unsigned char>(bytes[1]);
    record.Language = static_cast<std::int16_t>(low | high << 8);
    record.Password = bytes.substr(kPasswordOffset, kPasswordWidth);
    for (std::size_t slot = 0; slot < kCustomFileSlots; ++slot) {
        record.CustomFiles[slot] = bytes.substr(kCustomFilesOffset + slot * kCustomFileWidth, kCustomFileWidth);
        if (record.CustomFiles[slot][0] == '\0')
            record.CustomFiles[slot].assign(kCustomFileWidth, ' ');
    }
    return record;
}

bool WriteSettings(const SettingsRecord& record, const std::filesystem::path& folder)
{
    const auto path = platform::ResolveFileNoCase(folder, kSettingsFileName);
    std::string bytes = platform::ReadFileBytes(path).value_or("");
    bytes.resize(std::max(bytes.size(), kSettingsRecordSize), '\0');

    const auto language = static_cast<std::uint16_t>(record.Language);
    bytes[0] = static_cast<char>(language & 0xFF);
    bytes[1] = static_cast<char>(language >> 8);
    bytes.replace(kPasswordOffset, kPasswordWidth, Field(record.Password, kPasswordWidth));
    for (std::size_t slot = 0; slot < kCustomFileSlots; ++slot)
        bytes.replace(kCustomFilesOffset + slot * kCustomFileWidth, kCustomFileWidth,
                      Field(record.CustomFiles[slot], kCustomFileWidth));
    return !platform::ReplaceFileAtomically(path, bytes);
}

std::string CustomFileStem(const SettingsRecord& record, std::size_t slot)
{
    return std::string(platform::Trim(record.CustomFiles.at(slot)));
}

} // namespace convert
