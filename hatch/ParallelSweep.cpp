// Runs of lines clipped on this thread or on workers, and handed on in order.
#include "hatch/ParallelSweep.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

// Runs are numbered in the sweep's order; run r is made by thread r % threads
// into slot r % slots and handed on from there, so at most `slots` runs wait.
class RunExchange {
public:
    RunExchange(std::size_t runs, std::size_t slots, PieceSink& sink) : runs_(runs), ready_(slots) {
        outputs_.reserve(slots);
        for (std::size_t i = 0; i < slots; ++i) outputs_.push_back(sink.NewRun());
    }

    // The slot for run r, once the run that used it before has been handed
    // on; nullptr when the sweep stops.
    PreparedRun* SlotToFill(std::size_t run) {
        std::unique_lock lock(mutex_);
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

    // Hands every run on in order; rethrows what a worker threw. False when
    // stop was requested first.
    bool HandAll(const std::stop_token& stop) {
        for (std::size_t run = 0; run < runs_; ++run) {
            if (stop.stop_requested()) return false;
            const std::size_t slot = run % outputs_.size();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return ready_[slot] || stopping_; });
                if (failure_) std::rethrow_exception(failure_);
                if (!ready_[slot]) return false;  // a worker saw the stop
            }
            outputs_[slot]->HandOn();
            {
                const std::lock_guard lock(mutex_);
                ready_[slot] = false;
                ++handedOn_;
            }
            changed_.notify_all();
        }
        return true;
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
    std::vector<std::unique_ptr<PreparedRun>> outputs_;
    std::vector<bool> ready_;
    std::size_t handedOn_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
};

// Lines per run: enough runs for the threads to share the work evenly, few
// enough that handing them over costs little.
std::size_t LinesPerRun(std::size_t lines, unsigned threads) {
    return std::clamp<std::size_t>(lines / (16 * std::size_t{threads}), 1, 8);
}

// Clips the lines of one run and hands each line's pieces to output.
void ClipRun(IndexedOffers& offers, std::optional<SweepDirection>& direction,
             const std::vector<LineToHatch>& lines, std::size_t begin, std::size_t end,
             std::vector<ClippedPiece>& pieces, PieceSink& output) {
    for (std::size_t i = begin; i < end; ++i) {
        if (direction != lines[i].direction) {
            direction = lines[i].direction;
            offers.BeginDirection(*direction);
        }
        pieces.clear();
        offers.Offer(lines[i].line, lines[i].k, pieces);
        output.LinePieces(pieces);
    }
}

bool SweepOnThisThread(const SweepSolids& solids, const SweepPlan& plan,
                       const std::vector<LineToHatch>& lines, std::size_t perRun,
                       const std::stop_token& stop, PieceSink& sink) {
    IndexedOffers offers(solids, plan);
    std::vector<ClippedPiece> pieces;
    std::optional<SweepDirection> direction;
    for (std::size_t begin = 0; begin < lines.size(); begin += perRun) {
        if (stop.stop_requested()) return false;
        ClipRun(offers, direction, lines, begin, std::min(lines.size(), begin + perRun), pieces,
                sink);
    }
    return true;
}

}  // namespace

bool RunParallelSweep(const SweepSolids& solids, const SweepPlan& plan, unsigned threads,
                      std::stop_token stop, PieceSink& sink) {
    threads = std::max(threads, 1u);  // a core count not known is reported as 0
    const std::vector<LineToHatch> lines = LinesToHatch(plan);
    const std::size_t perRun = LinesPerRun(lines.size(), threads);
    if (threads <= 1) return SweepOnThisThread(solids, plan, lines, perRun, stop, sink);

    const std::size_t runs = (lines.size() + perRun - 1) / perRun;
    RunExchange exchange(runs, 4 * std::size_t{threads}, sink);
    const auto work = [&](unsigned first) {
        try {
            IndexedOffers offers(solids, plan);
            std::vector<ClippedPiece> pieces;
            std::optional<SweepDirection> direction;
            for (std::size_t run = first; run < runs; run += threads) {
                if (stop.stop_requested()) {
                    exchange.Stop();
                    return;
                }
                PreparedRun* output = exchange.SlotToFill(run);
                if (output == nullptr) return;
                ClipRun(offers, direction, lines, run * perRun,
                        std::min(lines.size(), (run + 1) * perRun), pieces, *output);
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
    return exchange.HandAll(stop);
}

}  // namespace rv17
