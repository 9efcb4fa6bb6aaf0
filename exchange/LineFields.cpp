// The field-cutting walk over the bytes of one exchange-file line.
#include "exchange/LineFields.h"

#include "geometry/TextConversions.h"

namespace rv17 {

void CutLineInPlace(char* bytes, std::size_t size, LineFields& fields) noexcept {
    std::size_t read = 0;
    std::size_t write = 0;
    std::size_t fieldStart = 0;
    std::size_t k = 0;
    bool splitting = true;

    while (read < size) {
        const auto byte = static_cast<unsigned char>(bytes[read]);
        if (IsLeadByte(byte)) {
            // The trail byte may be a quote, a blank or a backslash: it stays
            // with its lead byte and has no meaning of its own. A lead byte
            // without a trail byte ends the line.
            if (read + 1 == size) break;
            bytes[write++] = bytes[read];
            bytes[write++] = bytes[read + 1];
            read += 2;
            continue;
        }
        ++read;
        if (splitting) {
            if (byte == ' ' || byte == '\t') {
                if (write == fieldStart) continue;  // runs of blanks separate once
                fields.field[k] = LineFields::Span{bytes + fieldStart, write - fieldStart};
                if (++k == LineFields::kMaxFields) {
                    fields.count = k;
                    return;
                }
                fieldStart = write;
                continue;
            }
            if (byte == '"') {
                splitting = false;
                continue;
            }
            if (byte == '=') splitting = false;
        }
        // Control bytes (a tab inside a quotation among them), 0xFE and 0xFF are dropped.
        if (byte >= 0x20 && byte <= 0xFD) bytes[write++] = static_cast<char>(byte);
    }
    fields.field[k] = LineFields::Span{bytes + fieldStart, write - fieldStart};
    fields.count = k + 1;
}

}  // namespace rv17
