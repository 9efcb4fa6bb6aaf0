// File access on POSIX systems; failures carry errno.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "exchange/FileAccess.h"

namespace rv17 {

namespace {

std::error_code SystemError(std::errc fallback) noexcept { return LastLibraryError(fallback); }

}  // namespace

std::FILE* OpenFileToRead(const std::filesystem::path& path, std::error_code& error) noexcept {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    error = file != nullptr ? std::error_code() : SystemError(std::errc::permission_denied);
    return file;
}

// O_NOFOLLOW refuses a link even where O_EXCL alone would already, so a link
// planted under the name can never lead the write elsewhere.
std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error) noexcept {
    errno = 0;
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
               S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    if (descriptor < 0) {
        error = SystemError(std::errc::permission_denied);
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (file == nullptr) {
        error = SystemError(std::errc::not_enough_memory);
        ::close(descriptor);
        ::unlink(path.c_str());
        return nullptr;
    }
    error.clear();
    return file;
}

bool IsFileExistsError(const std::error_code& error) noexcept {
    return error == std::errc::file_exists;
}

void KeepPermissionsOf(const std::filesystem::path& target, std::FILE* file) noexcept {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) return;
    ::fchmod(::fileno(file), existing.st_mode & 07777);
}

std::error_code FlushToDisk(std::FILE* file) noexcept {
    errno = 0;
    if (::fsync(::fileno(file)) == 0) return {};
    return SystemError(std::errc::io_error);
}

// The rename is made lasting by syncing the folder that holds the new name.
// Its failure is not reported: the new file is in place by then, and some
// file systems do not sync folders at all.
std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept {
    errno = 0;
    if (std::rename(from.c_str(), to.c_str()) != 0) return SystemError(std::errc::io_error);
    try {
        const std::filesystem::path folder =
            to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    } catch (const std::bad_alloc&) {
        // Without memory for the folder's name the move stands unsynced.
    }
    return {};
}

void VisitFileNames(const std::filesystem::path& folder,
                    const std::function<void(const std::filesystem::path& name)>& visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (listing == nullptr) return;
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::filesystem::path name(entry->d_name);
        struct stat kind {};
        if (::lstat((folder / name).c_str(), &kind) != 0 || S_ISDIR(kind.st_mode)) continue;
        visit(name);
    }
}

std::uint64_t CurrentProcessId() noexcept { return static_cast<std::uint64_t>(::getpid()); }

bool ProcessIsRunning(std::uint64_t processId) noexcept {
    const auto pid = static_cast<pid_t>(processId);
    if (pid <= 0 || static_cast<std::uint64_t>(pid) != processId) return true;
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace rv17
