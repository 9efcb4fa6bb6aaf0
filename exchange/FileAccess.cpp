// Portable part of the file access: reading and the atomic writer.
#include "exchange/FileAccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <limits>
#include <optional>

namespace rv17 {

namespace {

// How many bytes may still be read before the injected failure; none armed
// when it holds kNoReadFailure.
constexpr std::uint64_t kNoReadFailure = std::numeric_limits<std::uint64_t>::max();
std::atomic<std::uint64_t> readsBeforeFailure{kNoReadFailure};
std::atomic<int> injectedReadFailure{0};

// Temporary names tried before a writer gives up on finding a free one.
constexpr unsigned kTemporaryNamesTried = 1000;
std::atomic<unsigned> temporaryCounter{0};

// The process number in "<target name>.tmp<process>-<number>", or none when
// name is not such a name.
std::optional<std::uint64_t> TemporaryOwner(std::u8string_view name,
                                            std::u8string_view targetName) {
    const std::u8string_view marker = u8".tmp";
    if (!name.starts_with(targetName)) return std::nullopt;
    name.remove_prefix(targetName.size());
    if (!name.starts_with(marker)) return std::nullopt;
    name.remove_prefix(marker.size());
    std::uint64_t process = 0;
    std::size_t digits = 0;
    for (; digits < name.size() && name[digits] >= u8'0' && name[digits] <= u8'9'; ++digits) {
        if (process > (std::numeric_limits<std::uint64_t>::max() - 9) / 10) return std::nullopt;
        process = process * 10 + static_cast<unsigned>(name[digits] - u8'0');
    }
    if (digits == 0 || digits == name.size() || name[digits] != u8'-') return std::nullopt;
    name.remove_prefix(digits + 1);
    if (name.empty()) return std::nullopt;
    for (const char8_t c : name)
        if (c < u8'0' || c > u8'9') return std::nullopt;
    return process;
}

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

std::size_t ReadFromFile(std::FILE* file, char* into, std::size_t size,
                         std::error_code& error) noexcept {
    error.clear();
    const std::uint64_t allowed = readsBeforeFailure.load();
    const bool failsHere = allowed != kNoReadFailure && allowed < size;
    errno = 0;
    const std::size_t got =
        std::fread(into, 1, failsHere ? static_cast<std::size_t>(allowed) : size, file);
    if (std::ferror(file) != 0) {
        error = LastLibraryError(std::errc::io_error);
    } else if (failsHere && readsBeforeFailure.exchange(kNoReadFailure) != kNoReadFailure) {
        error = std::make_error_code(static_cast<std::errc>(injectedReadFailure.load()));
    } else if (allowed != kNoReadFailure) {
        readsBeforeFailure -= std::min<std::uint64_t>(got, allowed);
    }
    return got;
}

void FailReadAfter(std::uint64_t bytes, std::errc reason) noexcept {
    injectedReadFailure = static_cast<int>(reason);
    readsBeforeFailure = std::min(bytes, kNoReadFailure - 1);
}

void StopFailingReads() noexcept { readsBeforeFailure = kNoReadFailure; }

// The folder is listed by the platform layer: the standard library's listing
// ends the process when memory runs out, where this only gives up tidying.
void RemoveStaleTemporaries(const std::filesystem::path& target) noexcept {
    try {
        const std::u8string targetName = target.filename().u8string();
        const std::filesystem::path folder =
            target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        VisitFileNames(folder, [&](const std::filesystem::path& name) {
            const std::optional<std::uint64_t> owner = TemporaryOwner(name.u8string(), targetName);
            if (!owner || *owner == CurrentProcessId() || ProcessIsRunning(*owner)) return;
            std::error_code removed;
            std::filesystem::remove(folder / name, removed);
        });
    } catch (...) {
        // Only tidying: what cannot be looked at now is removed by a later run.
    }
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target, std::uint64_t processId,
                                       unsigned number) {
    std::filesystem::path name = target;
    name += ".tmp" + std::to_string(processId) + "-" + std::to_string(number);
    return name;
}

FileContents ReadWholeFile(const std::filesystem::path& path) {
    FileContents contents;
    std::error_code error;
    std::FILE* file = OpenFileToRead(path, error);
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
        const std::size_t got = ReadFromFile(file, contents.bytes.data() + old, chunk, error);
        contents.bytes.resize(old + got);
        if (got < chunk || error) break;
        chunk = kChunk;
    }
    contents.complete = !error;
    std::fclose(file);
    return contents;
}

// A name that is taken (by a writer of another run, or by a link planted
// there) is passed over for the next number.
AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    // Everything that may throw comes before the file exists: a constructor
    // that throws leaves no destructor to remove it.
    buffer_.reserve(std::size_t{1} << 16);
    const std::uint64_t process = CurrentProcessId();
    for (unsigned tried = 0; tried < kTemporaryNamesTried; ++tried) {
        temporary_ = TemporarySibling(target_, process, temporaryCounter++);
        file_ = CreateNewFile(temporary_, error_);
        if (file_ != nullptr || !IsFileExistsError(error_)) break;
    }
    if (file_ == nullptr) {
        temporary_.clear();  // not ours to remove
        return;
    }
    KeepPermissionsOf(target_, file_);
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
