// Writing hatch pieces: composed into text a colour group at a time, so that
// a group costs one colour test and one write.
#include "hatch/PieceWriter.h"

#include <string_view>
#include <vector>

#include "exchange/AttributeEmitters.h"
#include "exchange/LineBuilder.h"

namespace rv17 {

namespace {

// Held text beyond this is written even without a colour change.
constexpr std::size_t kHeldBytes = std::size_t{1} << 16;

}  // namespace

// A run's pieces composed into text, grouped by colour.
class PieceWriter::ComposedRun final : public PreparedRun {
public:
    explicit ComposedRun(PieceWriter& owner) noexcept : owner_(owner) {}

    void LinePieces(std::span<const ClippedPiece> pieces) override {
        for (const ClippedPiece& piece : pieces) {
            LineBuilder lines;
            const PieceForm form = ComposePieceLines(piece, owner_.offset_, lines);
            if (form == PieceForm::Dropped) continue;
            if (groups_.empty() || groups_.back().colour != piece.hatchColour)
                groups_.push_back({piece.hatchColour, text_.size()});
            text_.append(lines.View());
            if (form == PieceForm::Segment) ++segments_;
        }
    }
    bool TakesLinesInParts() const noexcept override { return true; }

    void HandOn() override {
        const std::string_view text = text_;
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            const std::size_t end = g + 1 < groups_.size() ? groups_[g + 1].start : text.size();
            owner_.Colour(groups_[g].colour);
            owner_.held_.append(text.substr(groups_[g].start, end - groups_[g].start));
            if (owner_.held_.size() >= kHeldBytes) owner_.Flush();
        }
        owner_.segments_ += segments_;
        groups_.clear();
        text_.clear();
        segments_ = 0;
    }

private:
    struct Group {
        std::int32_t colour;
        std::size_t start;
    };

    PieceWriter& owner_;
    std::vector<Group> groups_;
    std::string text_;
    std::size_t segments_ = 0;
};

void PieceWriter::LinePieces(std::span<const ClippedPiece> pieces) {
    for (const ClippedPiece& piece : pieces) {
        LineBuilder lines;
        const PieceForm form = ComposePieceLines(piece, offset_, lines);
        if (form == PieceForm::Dropped) continue;
        Colour(piece.hatchColour);
        held_.append(lines.View());
        if (form == PieceForm::Segment) ++segments_;
        if (held_.size() >= kHeldBytes) Flush();
    }
}

std::unique_ptr<PreparedRun> PieceWriter::NewRun() { return std::make_unique<ComposedRun>(*this); }

// Nothing else writes between the pieces, so the colour line can only appear
// where the colour changes.
void PieceWriter::Colour(std::int32_t colour) {
    if (coloured_ && colour == colour_) return;
    Flush();
    EmitColour(writer_, colour);
    coloured_ = true;
    colour_ = colour;
}

void PieceWriter::Finish() { Flush(); }

void PieceWriter::Flush() {
    if (held_.empty()) return;
    writer_.ComposedLines(held_);
    held_.clear();
}

}  // namespace rv17
