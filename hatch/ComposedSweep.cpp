// Runs of lines composed on this thread or on workers, and written in order.
#include "hatch/ComposedSweep.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "exchange/AttributeEmitters.h"
#include "exchange/ExchangeWriter.h"
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

// The composed lines of one run of lines, in order, grouped by colour.
class RunOutput final : public PieceSink {
public:
    explicit RunOutput(PlanePoint offset) : offset_(offset) {}

    void Piece(const ClippedPiece& piece) override {
        LineBuilder lines;
        const PieceForm form = ComposePieceLines(piece, offset_, lines);
        if (form == PieceForm::Dropped) return;
        if (groups_.empty() || groups_.back().hatchColour != piece.hatchColour)
            groups_.push_back({piece.hatchColour, text_.size(), 0});
        text_.append(lines.View());
        if (form == PieceForm::Segment) ++groups_.back().segments;
    }

    // Writes the lines to the store's output; returns how many segments it wrote.
    std::size_t WriteTo(EntityStore& store) const {
        std::size_t segments = 0;
        const std::string_view text = text_;
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            const std::size_t end = g + 1 < groups_.size() ? groups_[g + 1].start : text.size();
            EmitColour(store, groups_[g].hatchColour);
            AppendComposedLines(store, text.substr(groups_[g].start, end - groups_[g].start));
            segments += groups_[g].segments;
        }
        return segments;
    }

    void Clear() noexcept {
        groups_.clear();
        text_.clear();
    }

private:
    struct Group {
        std::int32_t hatchColour;
        std::size_t start;
        std::size_t segments;
    };

    PlanePoint offset_;
    std::vector<Group> groups_;
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

// Offers the lines of one run.
void OfferRun(IndexedOffers& offers, std::optional<SweepDirection>& direction,
              const std::vector<LineToHatch>& lines, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        if (direction != lines[i].direction) {
            direction = lines[i].direction;
            offers.BeginDirection(*direction);
        }
        offers.Offer(lines[i].line, lines[i].k);
    }
}

std::size_t SweepOnThisThread(EntityStore& store, const std::vector<HatchSolid>& solids,
                              const SweepPlan& plan, const std::vector<LineToHatch>& lines,
                              std::size_t perRun) {
    RunOutput output(plan.origin);
    IndexedOffers offers(store, solids, plan, &output);
    std::optional<SweepDirection> direction;
    std::size_t segments = 0;
    for (std::size_t begin = 0; begin < lines.size(); begin += perRun) {
        OfferRun(offers, direction, lines, begin, std::min(lines.size(), begin + perRun));
        segments += output.WriteTo(store);
        output.Clear();
    }
    return segments;
}

}  // namespace

std::size_t RunComposedSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                             const SweepPlan& plan, unsigned threads) {
    threads = std::max(threads, 1u);  // a core count not known is reported as 0
    const std::vector<LineToHatch> lines = LinesToHatch(plan);
    const std::size_t perRun = LinesPerRun(lines.size(), threads);
    if (threads <= 1) return SweepOnThisThread(store, solids, plan, lines, perRun);

    const std::size_t runs = (lines.size() + perRun - 1) / perRun;
    RunExchange exchange(runs, 4 * std::size_t{threads}, plan.origin);
    const auto work = [&](unsigned first) {
        try {
            IndexedOffers offers(store, solids, plan, nullptr);
            std::optional<SweepDirection> direction;
            for (std::size_t run = first; run < runs; run += threads) {
                RunOutput* output = exchange.SlotToFill(run);
                if (output == nullptr) return;
                offers.SendTo(output);
                OfferRun(offers, direction, lines, run * perRun,
                         std::min(lines.size(), (run + 1) * perRun));
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
