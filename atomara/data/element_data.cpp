#include "atomara/data/element_data.h"

#include "platform/core/errors.h"
#include "platform/core/text_file.h"

#include <array>

namespace atomara {

ElementData::ElementData(std::vector<std::string> lines)
    : lines_(std::move(lines))
{
}

ElementData ElementData::Load(const std::filesystem::path& path, char decimalSeparator)
{
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes)
        throw platform::EFOpenError(path.string());
    auto lines = platform::SplitLines(*bytes);
    if (decimalSeparator != '.')
        for (auto& line : lines)
            RewriteDecimalSeparator(line, decimalSeparator);
    return ElementData(std::move(lines));
}

const std::string& ElementData::Field(int n, int f) const
{
    const long index = static_cast<long>(n - 1) * kFieldsPerElement + f;
    if (index < 0 || index >= static_cast<long>(lines_.size()))
        throw platform::EListError();
    return lines_[static_cast<std::size_t>(index)];
}

void RewriteDecimalSeparator(std::string& line, char decimalSeparator)
{
    const auto point = line.find('.');
    if (point != std::string::npos)
        line[point] = decimalSeparator;
}

std::string CrystalStructureText(const std::string& code)
{
    static const std::array<const char*, 8> names = {
        "Cubic, face centered", "Cubic, body centered", "Cubic", "Hexagonal",
        "Rhombohedral",         "Tetragonal",           "Orthorhombic", "Monoclinic"};
    if (code.size() == 1 && code[0] >= '1' && code[0] <= '8')
        return names[static_cast<std::size_t>(code[0] - '1')];
    return kUnknownValue;
}

std::string AcidBaseText(const std::string& code)
{
    if (code == "1")
        return "Acidic";
    if (code == "2")
        return "Basic";
    if (code == "3")
        return "Amphoteric";
    return kUnknownValue;
}

} // namespace atomara
