// Shared helpers of the hatch tests: a crossing list and a writer for calling
// one clipper, hatch lines through a point, reading the pieces back from the
// output, and whole conversions of a drawing given as text.
#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/EntityStore.h"
#include "exchange/ExchangeReader.h"
#include "exchange/OutputWriter.h"
#include "geometry/Pi.h"
#include "geometry/PointInPolygon.h"
#include "hatch/ClipContext.h"
#include "hatch/ConversionBuild.h"
#include "hatch/HatchLine.h"
#include "hatch/PieceWriter.h"

namespace rv17 {

inline double Radians(double degrees) { return degrees / 180.0 * kPi; }

// The hatch line through p at angle a, built as the sweep builds its lines.
inline HatchLine HatchLineAt(double px, double py, double a, double halfLength = 100.0) {
    return {px + halfLength * std::cos(a), py + halfLength * std::sin(a),
            px + halfLength * std::cos(a + kPi), py + halfLength * std::sin(a + kPi), a};
}

inline std::vector<std::string> OutputOf(const OutputLines& output, std::size_t from = 0) {
    std::vector<std::string> lines;
    for (std::size_t i = from; i < output.Count(); ++i) lines.emplace_back(output.Line(i));
    return lines;
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\n");
    return text;
}

// A piece read back from an output line "x1 y1 x2 y2".
struct Piece {
    double x1, y1, x2, y2;
};

inline bool ReadPiece(std::string_view line, Piece& piece) {
    double values[4];
    const char* p = line.data();
    const char* end = line.data() + line.size();
    for (double& value : values) {
        while (p < end && *p == ' ') ++p;
        const auto result = std::from_chars(p, end, value);
        if (result.ec != std::errc{}) return false;
        p = result.ptr;
    }
    if (p != end) return false;
    piece = {values[0], values[1], values[2], values[3]};
    return true;
}

inline std::vector<Piece> PiecesOf(const std::vector<std::string>& lines) {
    std::vector<Piece> pieces;
    Piece piece{};
    for (const std::string& line : lines) {
        if (ReadPiece(line, piece)) pieces.push_back(piece);
    }
    return pieces;
}

inline std::string Describe(const std::vector<Piece>& pieces) {
    std::string text;
    for (const Piece& p : pieces) {
        text += std::string("(") + std::to_string(p.x1) + ", " + std::to_string(p.y1) + ")-(" +
                std::to_string(p.x2) + ", " + std::to_string(p.y2) + ") ";
    }
    return text.empty() ? "no pieces" : text;
}

// One clipper call at a time, its pieces written by a fresh writer.
class ClipFixture {
public:
    explicit ClipFixture(double angle, InsideTest insideTest = &PointInPolygon)
        : crossings_(angle), insideTest_(insideTest) {
        InitialiseStore(store_);
    }
    ~ClipFixture() { ReleaseStore(store_); }
    ClipFixture(const ClipFixture&) = delete;
    ClipFixture& operator=(const ClipFixture&) = delete;

    ClipContext Context() {
        slot_.built = false;
        return ClipContext{crossings_, insideTest_, slot_, nullptr, pieces_};
    }
    const CrossingList& Crossings() const { return crossings_; }
    const OutlinePolygon& Outline() const { return slot_.polygon; }
    // Every line written for the pieces clipped so far.
    std::vector<std::string> Lines() {
        PieceWriter pieceWriter(writer_, {});
        pieceWriter.LinePieces(pieces_);
        pieceWriter.Finish();
        pieces_.clear();
        return OutputOf(writer_.Lines());
    }
    std::vector<Piece> Pieces() { return PiecesOf(Lines()); }

private:
    EntityStore store_;
    OutputWriter writer_{store_};
    std::vector<ClippedPiece> pieces_;
    CrossingList crossings_;
    InsideTest insideTest_;
    OutlineSlot slot_;
};

// A drawing read from exchange-file text, ready to convert.
class Drawing {
public:
    explicit Drawing(std::string_view text) {
        InitialiseStore(store_);
        ParseExchangeText(store_, text);
    }
    ~Drawing() { ReleaseStore(store_); }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    const EntityStore& Store() const { return store_; }

    // The output lines of a conversion; empty when the sweep is refused.
    std::vector<std::string> Convert(const HatchSettings& settings,
                                     const SweepOptions& options = {}) {
        OutputWriter writer(store_);
        last_ = BuildConversionOutput(writer, settings, options);
        output_ = writer.TakeLines();
        return Output();
    }
    // The output lines of the last conversion.
    std::vector<std::string> Output() const { return OutputOf(output_); }
    // The lines the sweep wrote in the last conversion.
    std::vector<std::string> SweepLines() const { return OutputOf(output_, last_.firstSweepLine); }
    const ConversionResult& LastResult() const { return last_; }

private:
    EntityStore store_;
    ConversionResult last_;
    OutputLines output_;
};

// The output of a conversion of text with the given settings and sweep.
inline std::vector<std::string> ConvertText(std::string_view text, const HatchSettings& settings,
                                            SweepMode mode = SweepMode::Indexed) {
    Drawing drawing(text);
    return drawing.Convert(settings, SweepOptions{mode, 1, {}});
}

}  // namespace rv17
