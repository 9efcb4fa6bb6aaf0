// Runs of lines clipped on this thread or on workers, and handed on in order.
#include "hatch/ParallelSweep.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <span>
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

// The pieces of one run of lines, in order, and where each line's pieces end.
class RunPieces {
public:
    std::vector<ClippedPiece>& Pieces() noexcept { return pieces_; }
    void EndLine() { lineEnds_.push_back(pieces_.size()); }

    void HandTo(PieceSink& sink) const {
        const std::span<const ClippedPiece> all(pieces_);
        std::size_t begin = 0;
        for (const std::size_t end : lineEnds_) {
            sink.LinePieces(all.subspan(begin, end - begin));
            begin = end;
        }
    }

    void Clear() noexcept {
        pieces_.clear();
        lineEnds_.clear();
    }

private:
    std::vector<ClippedPiece> pieces_;
    std::vector<std::size_t> lineEnds_;
};

// Runs are numbered in the sweep's order; run r is made by thread r % threads
// into slot r % slots and handed on from there, so at most `slots` runs wait.
class RunExchange {
public:
    RunExchange(std::size_t runs, std::size_t slots)
        : runs_(runs), outputs_(slots), ready_(slots) {}

    // The slot for run r, once the run that used it before has been handed
    // on; nullptr when the sweep stops.
    RunPieces* SlotToFill(std::size_t run) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || run < handedOn_ + outputs_.size(); });
        return stopping_ ? nullptr : &outputs_[run % outputs_.size()];
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
    bool HandAllTo(PieceSink& sink, const std::stop_token& stop) {
        for (std::size_t run = 0; run < runs_; ++run) {
            if (stop.stop_requested()) return false;
            const std::size_t slot = run % outputs_.size();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return ready_[slot] || stopping_; });
                if (failure_) std::rethrow_exception(failure_);
                if (!ready_[slot]) return false;  // a worker saw the stop
            }
            outputs_[slot].HandTo(sink);
            outputs_[slot].Clear();
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
    std::vector<RunPieces> outputs_;
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

// Clips the lines of one run into output.
void ClipRun(IndexedOffers& offers, std::optional<SweepDirection>& direction,
             const std::vector<LineToHatch>& lines, std::size_t begin, std::size_t end,
             RunPieces& output) {
    for (std::size_t i = begin; i < end; ++i) {
        if (direction != lines[i].direction) {
            direction = lines[i].direction;
            offers.BeginDirection(*direction);
        }
        offers.Offer(lines[i].line, lines[i].k, output.Pieces());
        output.EndLine();
    }
}

bool SweepOnThisThread(const SweepSolids& solids, const SweepPlan& plan,
                       const std::vector<LineToHatch>& lines, std::size_t perRun,
                       const std::stop_token& stop, PieceSink& sink) {
    IndexedOffers offers(solids, plan);
    RunPieces output;
    std::optional<SweepDirection> direction;
    for (std::size_t begin = 0; begin < lines.size(); begin += perRun) {
        if (stop.stop_requested()) return false;
        ClipRun(offers, direction, lines, begin, std::min(lines.size(), begin + perRun), output);
        output.HandTo(sink);
        output.Clear();
    }
    return true;
}

}  // namespace

bool RunParallelSweep(const SweepSolids& solids, const SweepPlan& plan, unsigned threads,
                      std::stop_token stop, PieceSink& sink) {
    const std::vector<LineToHatch> lines = LinesToHatch(plan);
    const std::size_t perRun = LinesPerRun(lines.size(), threads);
    if (threads <= 1) return SweepOnThisThread(solids, plan, lines, perRun, stop, sink);

    const std::size_t runs = (lines.size() + perRun - 1) / perRun;
    RunExchange exchange(runs, 4 * std::size_t{threads});
    const auto work = [&](unsigned first) {
        try {
            IndexedOffers offers(solids, plan);
            std::optional<SweepDirection> direction;
            for (std::size_t run = first; run < runs; run += threads) {
                if (stop.stop_requested()) {
                    exchange.Stop();
                    return;
                }
                RunPieces* output = exchange.SlotToFill(run);
                if (output == nullptr) return;
                ClipRun(offers, direction, lines, run * perRun,
                        std::min(lines.size(), (run + 1) * perRun), *output);
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
    return exchange.HandAllTo(sink, stop);
}

}  // namespace rv17
