// The live preview beside the main dialog: the selection with the hatch that
// OK would write for the values in the dialog, computed on a worker thread so
// that typing never waits, and shown only while it is the newest asked for.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "drawing/PreviewHatch.h"
#include "exchange/EntityStore.h"
#include "geometry/PlaneBox.h"
#include "hatch/HatchSettings.h"
#include "ui/Canvas.h"

namespace rv17 {

// What the pane computes for a request: ComputePreviewHatch, unless a test
// gives a computation of its own (one that fails, or has a smaller budget).
using PreviewComputation =
    std::function<PreviewHatch(const EntityStore&, const HatchSettings&, std::stop_token)>;

class PreviewPane {
public:
    // Draws on `canvas` (width x height designed pixels) from a copy of
    // `drawing`, a store as read; the copy is taken here, on the caller's thread.
    PreviewPane(ui::Canvas& canvas, const EntityStore& drawing, double width, double height,
                PreviewComputation compute = {});
    // Gives up the work under way and waits for the worker to end.
    ~PreviewPane();
    PreviewPane(const PreviewPane&) = delete;
    PreviewPane& operator=(const PreviewPane&) = delete;

    // Asks for the hatch of these values and returns at once; a request still
    // waiting or under way is given up.
    void Show(const HatchSettings& settings);
    // The view that fits the selection.
    void Fit();

    // For tests and benchmarks: blocks until the worker has finished the
    // newest request and posted its result to the canvas.
    void WaitUntilComputed();

private:
    struct Result;
    void Work();
    std::shared_ptr<Result> Compute(std::uint64_t request, const HatchSettings& settings,
                                    std::stop_token stop);
    void Post(std::shared_ptr<Result> result);
    void Deliver(const Result& result);

    ui::Canvas& canvas_;
    const EntityStore drawing_;
    const double width_;
    const double height_;
    const PreviewComputation compute_;

    // Shared with the worker.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<HatchSettings> waiting_;
    std::atomic<std::uint64_t> asked_{0};  // the newest request's number
    std::stop_source running_;             // stops the sweep under way
    std::uint64_t finished_ = 0;           // the newest request whose result is posted
    bool stopping_ = false;

    // The canvas thread's own.
    std::shared_ptr<const ui::CanvasScene> selection_;
    PlaneBox bounds_;
    std::shared_ptr<PreviewPane*> self_;  // posted tasks hold it weakly

    std::thread worker_;  // last: started once everything above is in place
};

}  // namespace rv17
