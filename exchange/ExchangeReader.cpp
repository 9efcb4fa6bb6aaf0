// Reading the exchange file: the file is read in large chunks, cut into lines
// at LF (a CR before it is part of the line end), and each line is cut into
// fields in place, inside the read buffer, before the rules are applied.
#include "exchange/ExchangeReader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "exchange/FileAccess.h"
#include "exchange/LineFields.h"
#include "exchange/LineRules.h"

namespace rv17 {

namespace {

LineRecord DefaultDimensionLine() {
    LineRecord line{};
    line.header = EntityHeader{0, 0, 0, 1, 1, 0, 0};
    line.x2 = 1.0;
    return line;
}

// The host's end-of-file mark: nothing after it belongs to the file.
constexpr char kEndOfFileMark = 0x1A;

// Large enough to hold thousands of lines; a longer line makes the buffer grow.
constexpr std::size_t kReadChunk = std::size_t{1} << 18;

// Lines shorter than this are cut in a buffer on the stack by ParseLine.
constexpr std::size_t kStackLineBytes = 1024;

void ParseLineInPlace(EntityStore& store, ReaderState& state, char* bytes, std::size_t size,
                      LineFields& fields) {
    CutLineInPlace(bytes, size, fields);
    ApplyLineRules(store, state, fields);
}

// Parses every line of data[0, size) that ends in LF and returns the number of
// bytes consumed; the bytes after the last LF are left for the next chunk.
std::size_t ParseCompleteLines(EntityStore& store, ReaderState& state, char* data, std::size_t size,
                               LineFields& fields) {
    std::size_t start = 0;
    while (start < size) {
        const void* found = std::memchr(data + start, '\n', size - start);
        if (found == nullptr) break;
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - data);
        std::size_t lineEnd = end;
        if (lineEnd > start && data[lineEnd - 1] == '\r') --lineEnd;
        ParseLineInPlace(store, state, data + start, lineEnd - start, fields);
        start = end + 1;
    }
    return start;
}

// The last line of a file that does not end in a line end.
void ParseFinalLine(EntityStore& store, ReaderState& state, char* data, std::size_t size,
                    LineFields& fields) {
    if (size > 0 && data[size - 1] == '\r') --size;
    if (size > 0) ParseLineInPlace(store, state, data, size, fields);
}

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

// Reads and parses the open file chunk by chunk. Returns false on a read error,
// after parsing every whole line read before it.
bool ParseOpenFile(EntityStore& store, std::FILE* file, std::error_code& error) {
    std::string buffer(kReadChunk, '\0');
    LineFields fields;
    ReaderState state;
    std::size_t filled = 0;
    for (;;) {
        if (filled == buffer.size()) buffer.resize(buffer.size() * 2);  // one line fills the buffer
        const std::size_t got =
            ReadFromFile(file, buffer.data() + filled, buffer.size() - filled, error);
        if (error) return false;
        if (got == 0) {
            ParseFinalLine(store, state, buffer.data(), filled, fields);
            return true;
        }
        const void* mark = std::memchr(buffer.data() + filled, kEndOfFileMark, got);
        if (mark != nullptr) {
            const auto size =
                static_cast<std::size_t>(static_cast<const char*>(mark) - buffer.data());
            const std::size_t consumed =
                ParseCompleteLines(store, state, buffer.data(), size, fields);
            ParseFinalLine(store, state, buffer.data() + consumed, size - consumed, fields);
            return true;
        }
        filled += got;
        const std::size_t consumed =
            ParseCompleteLines(store, state, buffer.data(), filled, fields);
        std::memmove(buffer.data(), buffer.data() + consumed, filled - consumed);
        filled -= consumed;
    }
}

}  // namespace

ReaderState::ReaderState() : pendingDimensionLine(DefaultDimensionLine()) {
    for (std::size_t i = 0; i < kPendingFlagCount; ++i)
        current.pendingFlags[i] = i <= kPendingSizeNo;
}

bool ReadExchangeFile(EntityStore& store, const std::filesystem::path& path,
                      std::error_code& error) {
    error.clear();
    std::error_code statusError;
    const std::filesystem::file_status status = std::filesystem::status(path, statusError);
    if (status.type() == std::filesystem::file_type::not_found) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    if (status.type() == std::filesystem::file_type::directory) {
        error = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    if (statusError) {
        error = statusError;
        return false;
    }

    const std::unique_ptr<std::FILE, FileCloser> file(OpenFileToRead(path, error));
    if (file == nullptr) return false;
    try {
        return ParseOpenFile(store, file.get(), error);
    } catch (const std::bad_alloc&) {
        // What was stored up to the line that could not be held stays.
        error = std::make_error_code(std::errc::not_enough_memory);
        return false;
    }
}

bool ReadExchangeFile(EntityStore& store, const std::filesystem::path& path) {
    std::error_code error;
    return ReadExchangeFile(store, path, error);
}

void ParseExchangeText(EntityStore& store, std::string_view text) {
    const std::size_t mark = text.find(kEndOfFileMark);
    if (mark != std::string_view::npos) text = text.substr(0, mark);
    std::string bytes(text);
    LineFields fields;
    ReaderState state;
    const std::size_t consumed =
        ParseCompleteLines(store, state, bytes.data(), bytes.size(), fields);
    ParseFinalLine(store, state, bytes.data() + consumed, bytes.size() - consumed, fields);
}

void ExchangeReader::Line(std::string_view line) {
    LineFields fields;
    if (line.size() <= kStackLineBytes) {
        char bytes[kStackLineBytes];
        if (!line.empty()) std::memcpy(bytes, line.data(), line.size());
        ParseLineInPlace(store_, state_, bytes, line.size(), fields);
    } else {
        std::string bytes(line);
        ParseLineInPlace(store_, state_, bytes.data(), bytes.size(), fields);
    }
}

}  // namespace rv17
