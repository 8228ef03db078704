#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
    throw FileWriteError("Cannot write file \"" + path.string() + "\". " + std::strerror(error));
}

bool writeAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        fail(path, EISDIR);

    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // The temporary name must fit the folder's limit even when the target's own name nearly fills it.
    constexpr std::size_t longestName = 255;
    constexpr std::string_view suffix = ".XXXXXX";
    std::string hiddenName = "." + path.filename().string().substr(0, longestName - 1 - suffix.size());
    hiddenName.append(suffix);
    std::string temporary = (folder / hiddenName).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        fail(path, errno);

    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // The data reaches the disk before the rename, so even a power cut leaves the old or the new file.
    const bool written =
        writeAll(descriptor, content) && ::fchmod(descriptor, mode) == 0 && ::fsync(descriptor) == 0;
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.c_str());
        fail(path, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(path, error);
    }
}

} // namespace common
