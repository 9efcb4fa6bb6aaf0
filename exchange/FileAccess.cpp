// Portable part of the file access: reading and the atomic writer.
#include "exchange/FileAccess.h"

#include <system_error>

namespace rv17 {

bool FileExists(const std::filesystem::path& path) noexcept {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

FileContents ReadWholeFile(const std::filesystem::path& path) {
    FileContents contents;
    std::FILE* file = OpenFile(path, false);
    if (file == nullptr) return contents;
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size < (std::uintmax_t{1} << 32))
        contents.bytes.reserve(static_cast<std::size_t>(size));
    for (;;) {
        const std::size_t old = contents.bytes.size();
        contents.bytes.resize(old + kChunk);
        const std::size_t got = std::fread(contents.bytes.data() + old, 1, kChunk, file);
        contents.bytes.resize(old + got);
        if (got < kChunk) break;
    }
    contents.complete = std::ferror(file) == 0;
    std::fclose(file);
    return contents;
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    temporary_ = TemporarySibling(target_);
    file_ = OpenFile(temporary_, true);
    failed_ = file_ == nullptr;
    buffer_.reserve(std::size_t{1} << 16);
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Write(std::string_view bytes) noexcept {
    if (failed_) return;
    if (buffer_.size() + bytes.size() > buffer_.capacity()) {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
            failed_ = true;
            return;
        }
        buffer_.clear();
        if (bytes.size() > buffer_.capacity()) {
            failed_ = std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size();
            return;
        }
    }
    buffer_.append(bytes);
}

bool AtomicFileWriter::Commit() noexcept {
    if (failed_ || file_ == nullptr) {
        Abandon();
        return false;
    }
    bool ok =
        buffer_.empty() || std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
    buffer_.clear();
    ok = ok && std::fflush(file_) == 0 && FlushToDisk(file_);
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok && MoveOverTarget(temporary_, target_)) return true;
    failed_ = true;
    Abandon();
    return false;
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
