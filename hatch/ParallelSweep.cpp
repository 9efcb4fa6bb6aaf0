// Runs of lines clipped on worker threads and written in order.
#include "hatch/ParallelSweep.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "hatch/IndexedOffers.h"
#include "hatch/SweepLines.h"

namespace rv17 {

namespace {

struct LineToHatch {
    HatchLine line;
    std::int64_t k;
    SweepDirection direction;
};

std::vector<LineToHatch> LinesToHatch(const SweepPlan& plan) {
    std::vector<LineToHatch> lines;
    VisitSweepLines(plan,
                    [&](const HatchLine& line, std::int64_t k, SweepDirection direction, bool met) {
                        if (met) lines.push_back({line, k, direction});
                    });
    return lines;
}

// The composed pieces of one run of lines, in order.
class RunOutput final : public PieceSink {
public:
    explicit RunOutput(PlanePoint offset) : offset_(offset) {}

    void Piece(const ClippedPiece& piece) override {
        LineBuilder segment;
        const PieceForm form = ComposePiece(piece, offset_, segment);
        if (form == PieceForm::Dropped) return;
        text_.append(segment.View());
        pieces_.push_back({piece.hatchColour, form, text_.size()});
    }

    // Writes the pieces to the store's output; returns how many segments it wrote.
    std::size_t WriteTo(EntityStore& store) const {
        std::size_t written = 0;
        std::size_t start = 0;
        for (const Composed& piece : pieces_) {
            const std::string_view segment(text_.data() + start, piece.textEnd - start);
            if (EmitComposedPiece(store, piece.hatchColour, piece.form, segment)) ++written;
            start = piece.textEnd;
        }
        return written;
    }

    void Clear() noexcept {
        pieces_.clear();
        text_.clear();
    }

private:
    struct Composed {
        std::int32_t hatchColour;
        PieceForm form;
        std::size_t textEnd;
    };

    PlanePoint offset_;
    std::vector<Composed> pieces_;
    std::string text_;
};

// Runs are numbered in the sweep's order; run r is made by thread r % threads
// into slot r % slots and written from there, so at most `slots` runs wait.
class RunExchange {
public:
    RunExchange(std::size_t runs, std::size_t slots, PlanePoint offset)
        : runs_(runs), ready_(slots, false) {
        outputs_.reserve(slots);
        for (std::size_t i = 0; i < slots; ++i) outputs_.emplace_back(offset);
    }

    // The slot for run r, once the run that used it before has been written;
    // nullptr when the sweep stops.
    RunOutput* SlotToFill(std::size_t run) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || run < written_ + outputs_.size(); });
        return stopping_ ? nullptr : &outputs_[run % outputs_.size()];
    }

    void Filled(std::size_t run) {
        {
            const std::lock_guard lock(mutex_);
            ready_[run % outputs_.size()] = true;
        }
        changed_.notify_all();
    }

    // Writes every run in order; rethrows what a worker threw.
    std::size_t WriteAll(EntityStore& store) {
        std::size_t segments = 0;
        for (std::size_t run = 0; run < runs_; ++run) {
            const std::size_t slot = run % outputs_.size();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return ready_[slot] || failure_; });
                if (failure_) std::rethrow_exception(failure_);
            }
            segments += outputs_[slot].WriteTo(store);
            outputs_[slot].Clear();
            {
                const std::lock_guard lock(mutex_);
                ready_[slot] = false;
                ++written_;
            }
            changed_.notify_all();
        }
        return segments;
    }

    void Fail(std::exception_ptr failure) {
        {
            const std::lock_guard lock(mutex_);
            if (!failure_) failure_ = failure;
            stopping_ = true;
        }
        changed_.notify_all();
    }

    void Stop() { Fail(nullptr); }

private:
    const std::size_t runs_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<RunOutput> outputs_;
    std::vector<bool> ready_;
    std::size_t written_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
};

// Lines per run: enough runs for the threads to share the work evenly, few
// enough that handing them over costs little.
std::size_t LinesPerRun(std::size_t lines, unsigned threads) {
    return std::clamp<std::size_t>(lines / (16 * std::size_t{threads}), 1, 8);
}

}  // namespace

std::size_t RunParallelSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                             const SweepPlan& plan, unsigned threads) {
    const std::vector<LineToHatch> lines = LinesToHatch(plan);
    const std::size_t perRun = LinesPerRun(lines.size(), threads);
    const std::size_t runs = (lines.size() + perRun - 1) / perRun;
    RunExchange exchange(runs, 4 * std::size_t{threads}, plan.origin);

    const auto work = [&](unsigned first) {
        try {
            std::size_t uncounted = 0;
            IndexedOffers offers(store, solids, plan, uncounted, nullptr);
            std::optional<SweepDirection> direction;
            for (std::size_t run = first; run < runs; run += threads) {
                RunOutput* output = exchange.SlotToFill(run);
                if (output == nullptr) return;
                offers.SendTo(output);
                const std::size_t end = std::min(lines.size(), (run + 1) * perRun);
                for (std::size_t i = run * perRun; i < end; ++i) {
                    if (direction != lines[i].direction) {
                        direction = lines[i].direction;
                        offers.BeginDirection(*direction);
                    }
                    offers.Offer(lines[i].line, lines[i].k);
                }
                exchange.Filled(run);
            }
        } catch (...) {
            exchange.Fail(std::current_exception());
        }
    };

    // However this ends, the workers are stopped and waited for.
    std::vector<std::thread> workers;
    struct Joiner {
        RunExchange& exchange;
        std::vector<std::thread>& workers;
        ~Joiner() {
            exchange.Stop();
            for (std::thread& worker : workers) worker.join();
        }
    } joiner{exchange, workers};
    for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work, t);
    return exchange.WriteAll(store);
}

}  // namespace rv17
