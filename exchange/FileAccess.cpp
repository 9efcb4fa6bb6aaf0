// Portable part of the file access: reading and the atomic writer.
#include "exchange/FileAccess.h"

#include <algorithm>
#include <cerrno>

namespace rv17 {

namespace {

// fwrite of the whole range; the library's reason when it writes less.
std::error_code WriteAll(std::FILE* file, std::string_view bytes) noexcept {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()) return {};
    return LastLibraryError(std::errc::io_error);
}

}  // namespace

std::error_code LastLibraryError(std::errc fallback) noexcept {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category())
                     : std::make_error_code(fallback);
}

bool FileExists(const std::filesystem::path& path) noexcept {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

FileContents ReadWholeFile(const std::filesystem::path& path) {
    FileContents contents;
    std::error_code error;
    std::FILE* file = OpenFile(path, false, error);
    if (file == nullptr) return contents;
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    // A file of known size is read in one chunk of that size and one more
    // byte, so that a small file does not cost a zero-filled chunk of 1 MiB;
    // a file that grows meanwhile is read on in whole chunks.
    std::size_t chunk = kChunk;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size < (std::uintmax_t{1} << 32)) {
        contents.bytes.reserve(static_cast<std::size_t>(size) + 1);
        chunk = std::min(kChunk, static_cast<std::size_t>(size) + 1);
    }
    for (;;) {
        const std::size_t old = contents.bytes.size();
        contents.bytes.resize(old + chunk);
        const std::size_t got = std::fread(contents.bytes.data() + old, 1, chunk, file);
        contents.bytes.resize(old + got);
        if (got < chunk) break;
        chunk = kChunk;
    }
    contents.complete = std::ferror(file) == 0;
    std::fclose(file);
    return contents;
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    temporary_ = TemporarySibling(target_);
    file_ = OpenFile(temporary_, true, error_);
    buffer_.reserve(std::size_t{1} << 16);
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Write(std::string_view bytes) noexcept {
    if (error_ || file_ == nullptr) return;
    if (buffer_.size() + bytes.size() > buffer_.capacity()) {
        Fail(WriteAll(file_, buffer_));
        buffer_.clear();
        if (error_) return;
        if (bytes.size() > buffer_.capacity()) {
            Fail(WriteAll(file_, bytes));
            return;
        }
    }
    buffer_.append(bytes);
}

std::error_code AtomicFileWriter::Commit() noexcept {
    // A second Commit finds nothing left to put in place.
    if (!error_ && file_ == nullptr) error_ = std::make_error_code(std::errc::bad_file_descriptor);
    if (!error_) error_ = WriteAll(file_, buffer_);
    buffer_.clear();
    errno = 0;
    if (!error_ && std::fflush(file_) != 0) error_ = LastLibraryError(std::errc::io_error);
    if (!error_) error_ = FlushToDisk(file_);
    if (file_ != nullptr) {
        errno = 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        if (!error_ && !closed) error_ = LastLibraryError(std::errc::io_error);
    }
    if (!error_) error_ = MoveOverTarget(temporary_, target_);
    if (!error_) {
        temporary_.clear();  // it is the target now
        return {};
    }
    Abandon();
    return error_;
}

void AtomicFileWriter::Fail(std::error_code error) noexcept {
    if (!error_) error_ = error;
}

void AtomicFileWriter::Abandon() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code error;
        std::filesystem::remove(temporary_, error);
        temporary_.clear();
    }
}

}  // namespace rv17
