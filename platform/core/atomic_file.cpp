#include "platform/core/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

} // namespace

std::error_code ReplaceFileAtomically(const std::filesystem::path& link, std::string_view contents)
{
    // A settings file kept as a link elsewhere stays a link: its target is replaced.
    std::error_code error;
    std::error_code notALink; // a missing file is no link either
    const bool isLink = std::filesystem::is_symlink(link, notALink);
    const std::filesystem::path path = isLink ? std::filesystem::weakly_canonical(link, error) : link;
    if (error)
        return error;
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return LastError();

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    if (::fchmod(fd, mode) != 0)
        error = LastError();
    if (!error)
        error = WriteAll(fd, contents);
    if (!error && ::fsync(fd) != 0)
        error = LastError();
    if (::close(fd) != 0 && !error)
        error = LastError();
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = LastError();
    if (error)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace platform
