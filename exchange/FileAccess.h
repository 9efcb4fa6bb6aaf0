// File access shared by the exchange and settings files: whole-file reading
// and atomic replacement (write a temporary file in the same folder, flush it
// to disk, then move it over the target in one step).
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace rv17 {

bool FileExists(const std::filesystem::path& path) noexcept;

// Result of reading a whole file: the bytes read so far, and whether the file
// was opened and read to its end without error.
struct FileContents {
    std::string bytes;
    bool complete = false;
};
FileContents ReadWholeFile(const std::filesystem::path& path);

// Reads up to size bytes into `into`; fewer at the end of the file. When the
// read fails, error tells why and the count is of the bytes read before.
std::size_t ReadFromFile(std::FILE* file, char* into, std::size_t size,
                         std::error_code& error) noexcept;

// The next read that would take the bytes read from now on past `bytes`
// returns those up to that point and fails with `reason`, once. Lets tests and
// the fuzzer take the path of a disk that fails partway through a file.
void FailReadAfter(std::uint64_t bytes, std::errc reason) noexcept;
void StopFailingReads() noexcept;

// Removes the temporary files that writers of target left beside it when
// their process ended before they were done (killed, or the machine stopped).
// Files of processes that still run are left alone, and so is everything else.
void RemoveStaleTemporaries(const std::filesystem::path& target) noexcept;

// Writes a new version of a file. Nothing is visible at the target path until
// Commit() succeeds; a writer destroyed without a successful Commit() removes
// its temporary file and leaves the previous file exactly as it was. The
// temporary file is always a new file, never reached through a link, and the
// new version keeps the permissions of the file it replaces.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool IsOpen() const noexcept { return file_ != nullptr; }
    // Where the new version is written until Commit(); empty when none was created.
    const std::filesystem::path& TemporaryPath() const noexcept { return temporary_; }
    // Buffered; the first failure is remembered and reported by Commit().
    void Write(std::string_view bytes) noexcept;
    // Flushes, closes and moves the temporary file over the target. Returns
    // the first failure met since the temporary file was opened, or no error.
    std::error_code Commit() noexcept;

private:
    void Fail(std::error_code error) noexcept;
    void Abandon() noexcept;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    std::error_code error_;
    std::string buffer_;
};

// Platform layer (FileAccess_posix.cpp / FileAccess_win32.cpp). Each step
// reports the system's reason when it fails.
std::FILE* OpenFileToRead(const std::filesystem::path& path, std::error_code& error) noexcept;
// Creates a file that does not exist yet, for writing; an existing file or
// link of that name fails with std::errc::file_exists (on Windows, the
// system's code for an existing file).
std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error) noexcept;
bool IsFileExistsError(const std::error_code& error) noexcept;
// Gives the new file the permission bits of target, when target exists. A
// file system that keeps no such bits refuses, and the save goes on.
void KeepPermissionsOf(const std::filesystem::path& target, std::FILE* file) noexcept;
std::error_code FlushToDisk(std::FILE* file) noexcept;
// Moves from over to in one step, and makes the move itself last (on POSIX,
// the folder is synced).
std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept;
// Hands visit the name of every entry of folder that is not a folder itself
// (links included); nothing when folder cannot be listed.
void VisitFileNames(const std::filesystem::path& folder,
                    const std::function<void(const std::filesystem::path& name)>& visit);
std::uint64_t CurrentProcessId() noexcept;
// False only when the system says that no process has that number.
bool ProcessIsRunning(std::uint64_t processId) noexcept;

// "<target>.tmp<process>-<number>": the name of a writer's temporary file,
// unique among the writers that run at one time.
std::filesystem::path TemporarySibling(const std::filesystem::path& target, std::uint64_t processId,
                                       unsigned number);

// The C library's reason for the failure just met (errno), or fallback when it
// left none.
std::error_code LastLibraryError(std::errc fallback) noexcept;

}  // namespace rv17
