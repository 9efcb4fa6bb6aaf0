// Reading the host's exchange file into the entity store: the whole file
// line by line, and the rules that turn one line into state or a record.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

#include "exchange/EntityStore.h"
#include "exchange/ReaderState.h"

namespace rv17 {

// Reads the file at path into the store, one line at a time in file order.
// Returns false at once, with the store unchanged, when no file exists there;
// returns false after a failure to open or read, keeping what was stored up
// to then. A byte 0x1A ends the file; lines end at CR LF or LF.
[[nodiscard]] bool ReadExchangeFile(EntityStore& store, const std::filesystem::path& path);
// As above; on failure error tells why (missing file, or the system's reason).
[[nodiscard]] bool ReadExchangeFile(EntityStore& store, const std::filesystem::path& path,
                                    std::error_code& error);

// Parses the whole text of an exchange file held in memory, as ReadExchangeFile
// does with the file's bytes.
void ParseExchangeText(EntityStore& store, std::string_view text);

// One read of exchange lines into a store, line by line, with the state that
// passes from line to line kept for the length of the read.
class ExchangeReader {
public:
    explicit ExchangeReader(EntityStore& store) noexcept : store_(store) {}

    // Cuts one line (without its line end) into fields and applies the first
    // rule that fits.
    void Line(std::string_view line);

    // The attributes in force and the polyline and dimension being read.
    ReaderState& State() noexcept { return state_; }
    const ReaderState& State() const noexcept { return state_; }

private:
    EntityStore& store_;
    ReaderState state_;
};

}  // namespace rv17
