// File access shared by the exchange and settings files: whole-file reading
// and atomic replacement (write a temporary file in the same folder, flush it
// to disk, then move it over the target in one step).
#pragma once

#include <cstdio>
#include <filesystem>
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

// Writes a new version of a file. Nothing is visible at the target path until
// Commit() succeeds; a writer destroyed without a successful Commit() removes
// its temporary file and leaves the previous file exactly as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool IsOpen() const noexcept { return file_ != nullptr; }
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
std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting,
                    std::error_code& error) noexcept;
std::error_code FlushToDisk(std::FILE* file) noexcept;
std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept;
// A name for the temporary file that no other running writer uses.
std::filesystem::path TemporarySibling(const std::filesystem::path& target);

// The C library's reason for the failure just met (errno), or fallback when it
// left none.
std::error_code LastLibraryError(std::errc fallback) noexcept;

}  // namespace rv17
