#pragma once
// A fresh folder per test under the system's temporary folder, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace testsupport {

class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("sciencedesk-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    std::filesystem::path Write(const std::string& name, std::string_view bytes) const
    {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

} // namespace testsupport
