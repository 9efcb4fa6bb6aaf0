// File access on Windows: wide-character paths, so folders with Japanese
// names work whatever the system's code page, and replacement in one step.
// The C runtime's failures carry errno, the system's carry GetLastError().
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "exchange/FileAccess.h"

namespace rv17 {

namespace {

std::error_code LastSystemError() noexcept {
    return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

// The codes of creating a file, in the terms the C runtime gave when the file
// was opened with _wfopen, so messages and the save's reasons stay the same.
std::error_code CreationError(DWORD code) noexcept {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_INVALID_NAME:
            return std::make_error_code(std::errc::invalid_argument);
        default:
            return std::error_code(static_cast<int>(code), std::system_category());
    }
}

}  // namespace

std::FILE* OpenFileToRead(const std::filesystem::path& path, std::error_code& error) noexcept {
    errno = 0;
    std::FILE* file = ::_wfopen(path.c_str(), L"rb");
    error = file != nullptr ? std::error_code() : LastLibraryError(std::errc::permission_denied);
    return file;
}

// CREATE_NEW fails on any existing name, a link included, so the write never
// lands in a file that was there before.
std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error) noexcept {
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = CreationError(::GetLastError());
        return nullptr;
    }
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY);
    if (descriptor < 0) {
        error = std::make_error_code(std::errc::too_many_files_open);
        ::CloseHandle(handle);
        ::DeleteFileW(path.c_str());
        return nullptr;
    }
    std::FILE* file = ::_fdopen(descriptor, "wb");
    if (file == nullptr) {
        error = std::make_error_code(std::errc::not_enough_memory);
        ::_close(descriptor);
        ::DeleteFileW(path.c_str());
        return nullptr;
    }
    error.clear();
    return file;
}

bool IsFileExistsError(const std::error_code& error) noexcept {
    return error == std::errc::file_exists;
}

// A new file takes the folder's access rights, as the file it replaces did;
// the read-only mark is not carried over, since it would refuse the move.
void KeepPermissionsOf(const std::filesystem::path&, std::FILE*) noexcept {}

std::error_code FlushToDisk(std::FILE* file) noexcept {
    errno = 0;
    if (::_commit(::_fileno(file)) == 0) return {};
    return LastLibraryError(std::errc::io_error);
}

std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept {
    if (::MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return {};
    }
    return LastSystemError();
}

void VisitFileNames(const std::filesystem::path& folder,
                    const std::function<void(const std::filesystem::path& name)>& visit) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &found,
                                            FindExSearchNameMatch, nullptr, 0);
    if (first == INVALID_HANDLE_VALUE) return;
    const std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> listing(first, ::FindClose);
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        visit(std::filesystem::path(found.cFileName));
    } while (::FindNextFileW(first, &found) != 0);
}

std::uint64_t CurrentProcessId() noexcept { return ::GetCurrentProcessId(); }

// A process that has ended but whose handle someone still holds is not running.
bool ProcessIsRunning(std::uint64_t processId) noexcept {
    if (processId > 0xFFFFFFFFu) return true;
    const HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) return ::GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const bool running = ::GetExitCodeProcess(process, &exitCode) == 0 || exitCode == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

}  // namespace rv17
