// Runs of lines clipped on this thread or on workers, and handed on in order.
#include "hatch/ParallelSweep.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "hatch/IndexedOffers.h"
#include "hatch/LineRuns.h"

namespace rv17 {

namespace {

// Runs are numbered in the sweep's order as the workers take them; run r is
// made into slot r % slots and handed on from there, so at most `slots` runs
// wait.
class RunExchange {
public:
    RunExchange(LineRuns& runs, std::size_t slots, PieceSink& sink)
        : runs_(runs), ready_(slots), partial_(slots) {
        outputs_.reserve(slots);
        for (std::size_t i = 0; i < slots; ++i) outputs_.push_back(sink.NewRun());
    }

    // The next run of lines and its number, and the slot to make it into,
    // once the run that used the slot before has been handed on; nullptr
    // when no run is left or the sweep stops.
    PreparedRun* TakeRun(LineRun& lines, std::size_t& run) {
        std::unique_lock lock(mutex_);
        if (stopping_ || taken_ == finalCount_) return nullptr;
        if (!runs_.Next(lines)) {
            finalCount_ = taken_;
            lock.unlock();
            changed_.notify_all();
            return nullptr;
        }
        run = taken_++;
        changed_.wait(lock, [&] { return stopping_ || run < handedOn_ + outputs_.size(); });
        return stopping_ ? nullptr : outputs_[run % outputs_.size()].get();
    }

    void Filled(std::size_t run) {
        {
            const std::lock_guard lock(mutex_);
            ready_[run % outputs_.size()] = true;
        }
        changed_.notify_all();
    }

    // Called by the worker of a run whose slot holds much: waits until the
    // run is the next to be handed on and what its slot holds so far has
    // been. False when the sweep stops.
    bool HandOnSoFar(std::size_t run) {
        const std::size_t slot = run % outputs_.size();
        {
            const std::lock_guard lock(mutex_);
            partial_[slot] = true;
        }
        changed_.notify_all();
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || !partial_[slot]; });
        return !stopping_;
    }

    // Hands every run on in order; rethrows what a worker threw. False when
    // stop was requested first.
    bool HandAll(const std::stop_token& stop) {
        for (std::size_t run = 0;; ++run) {
            if (stop.stop_requested()) return false;
            const std::size_t slot = run % outputs_.size();
            for (bool whole = false; !whole;) {
                {
                    std::unique_lock lock(mutex_);
                    changed_.wait(lock, [&] {
                        return ready_[slot] || partial_[slot] || stopping_ || run == finalCount_;
                    });
                    if (failure_) std::rethrow_exception(failure_);
                    // Neither: all runs are handed on, or a worker saw the stop.
                    if (!ready_[slot] && !partial_[slot]) return run == finalCount_;
                    whole = ready_[slot];
                }
                // The worker of a part waits meanwhile, and goes on filling the slot after.
                outputs_[slot]->HandOn();
                {
                    const std::lock_guard lock(mutex_);
                    if (whole) {
                        ready_[slot] = false;
                        ++handedOn_;
                    } else {
                        partial_[slot] = false;
                    }
                }
                changed_.notify_all();
            }
        }
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
    LineRuns& runs_;  // taken from under the mutex
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::unique_ptr<PreparedRun>> outputs_;
    std::vector<bool> ready_;
    std::vector<bool> partial_;  // the slot's run is not whole yet, but what it holds may go on
    std::size_t taken_ = 0;
    std::size_t finalCount_ = std::numeric_limits<std::size_t>::max();  // known once runs_ ends
    std::size_t handedOn_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
};

// Lines per run: enough runs for the threads to share the work evenly, few
// enough that handing them over costs little.
std::int64_t LinesPerRun(std::int64_t lines, unsigned threads) {
    return std::clamp<std::int64_t>(lines / (16 * std::int64_t{threads}), 1, 8);
}

// A worker's way into the slot of its run: once the slot holds many pieces
// the worker has them handed on (waiting for its run's turn), so that runs
// of lines that reach very many solids never hold all their text at once.
class SlotOutput final : public PieceSink {
public:
    // Pieces a slot may hold before they are handed on.
    static constexpr std::size_t kHeldPieces = 16384;

    SlotOutput(RunExchange& exchange, std::size_t run, PreparedRun& slot) noexcept
        : exchange_(exchange), run_(run), slot_(slot) {}

    void LinePieces(std::span<const ClippedPiece> pieces) override {
        if (stopped_) return;
        slot_.LinePieces(pieces);
        held_ += pieces.size();
        if (held_ >= kHeldPieces) {
            stopped_ = !exchange_.HandOnSoFar(run_);
            held_ = 0;
        }
    }
    bool TakesLinesInParts() const noexcept override { return slot_.TakesLinesInParts(); }
    bool Stopped() const noexcept { return stopped_; }

private:
    RunExchange& exchange_;
    const std::size_t run_;
    PreparedRun& slot_;
    std::size_t held_ = 0;
    bool stopped_ = false;
};

// Clips the lines of one run and hands each line's pieces to output, in
// parts where it takes them so; stops early once goOn() is false.
template <class GoOn>
void ClipRun(IndexedOffers& offers, std::optional<SweepDirection>& direction, const SweepPlan& plan,
             const LineRun& run, std::vector<ClippedPiece>& pieces, PieceSink& output,
             GoOn&& goOn) {
    if (direction != run.direction) {
        direction = run.direction;
        offers.BeginDirection(run.direction);
    }
    PieceSink* parts = output.TakesLinesInParts() ? &output : nullptr;
    PlanePoint p = run.position;
    for (std::int64_t i = 0; i < run.count && goOn(); ++i) {
        if (i > 0) p = NextLinePoint(plan, run.direction, p);
        pieces.clear();
        offers.Offer(plan.LineThrough(p), run.first + i, pieces, parts);
        output.LinePieces(pieces);
    }
}

bool SweepOnThisThread(const SweepSolids& solids, const SweepPlan& plan, const SweepReach& reach,
                       LineRuns& runs, const std::stop_token& stop, PieceSink& sink) {
    IndexedOffers offers(solids, plan, reach);
    std::vector<ClippedPiece> pieces;
    std::optional<SweepDirection> direction;
    LineRun run;
    while (runs.Next(run)) {
        if (stop.stop_requested()) return false;
        ClipRun(offers, direction, plan, run, pieces, sink, [] { return true; });
    }
    return true;
}

}  // namespace

bool RunParallelSweep(const SweepSolids& solids, const SweepPlan& plan, unsigned threads,
                      std::stop_token stop, PieceSink& sink) {
    threads = std::max(threads, 1u);  // a core count not known is reported as 0
    const SweepReach reach(solids, plan);
    LineRuns runs(plan, reach, LinesPerRun(LineRuns::LinesReachingAny(reach), threads));
    if (threads <= 1) return SweepOnThisThread(solids, plan, reach, runs, stop, sink);

    RunExchange exchange(runs, 4 * std::size_t{threads}, sink);
    const auto work = [&] {
        try {
            IndexedOffers offers(solids, plan, reach);
            std::vector<ClippedPiece> pieces;
            std::optional<SweepDirection> direction;
            LineRun lines;
            std::size_t run = 0;
            for (;;) {
                if (stop.stop_requested()) {
                    exchange.Stop();
                    return;
                }
                PreparedRun* slot = exchange.TakeRun(lines, run);
                if (slot == nullptr) return;
                SlotOutput output(exchange, run, *slot);
                ClipRun(offers, direction, plan, lines, pieces, output,
                        [&] { return !output.Stopped(); });
                if (output.Stopped()) return;
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
    for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work);
    return exchange.HandAll(stop);
}

}  // namespace rv17
