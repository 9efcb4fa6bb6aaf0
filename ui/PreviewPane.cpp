// The preview pane's worker: the selection's primitives once, then the hatch
// of each newest request, posted to the canvas's thread.
#include "ui/PreviewPane.h"

#include <cmath>
#include <utility>

#include "drawing/PreviewHatch.h"
#include "ui/InterfaceTexts.h"
#include "ui/IntervalMeaning.h"
#include "ui/PreviewScene.h"
#include "ui/PreviewView.h"

namespace rv17 {

namespace {

// The note that stands in for the hatch of a refused value.
std::string_view RefusalNote(ConversionOutcome outcome) {
    switch (outcome) {
        case ConversionOutcome::IntervalRefused:
            return texts::kPreviewIntervalRefused;
        case ConversionOutcome::WidthRefused:
            return texts::kPreviewWidthRefused;
        case ConversionOutcome::SweepTooLarge:
            return texts::kSweepTooLarge;
        case ConversionOutcome::ExtentRefused:
            return texts::kExtentRefused;
        case ConversionOutcome::ReferenceTooFar:
            return texts::kReferenceTooFar;
        case ConversionOutcome::NoSolidsRefused:
            return texts::kNoSolids;
        default:
            return {};
    }
}

}  // namespace

struct PreviewPane::Result {
    std::uint64_t request = 0;
    std::shared_ptr<const ui::CanvasScene> hatch;
    std::string note;  // Shift-JIS: what the interval means and how many segments OK writes
};

PreviewPane::PreviewPane(ui::Canvas& canvas, const EntityStore& drawing, double width,
                         double height, PreviewComputation compute)
    : canvas_(canvas),
      drawing_(drawing),
      width_(width),
      height_(height),
      compute_(
          compute ? std::move(compute)
                  : [](const EntityStore& store, const HatchSettings& settings,
                       std::stop_token
                           stop) { return ComputePreviewHatch(store, settings, std::move(stop)); }),
      self_(std::make_shared<PreviewPane*>(this)) {
    // The selection is drawn on this thread: it is built once and the pane
    // should show it at once.
    SelectionScene selection = BuildSelectionScene(drawing_);
    selection_ = std::move(selection.scene);
    bounds_ = selection.bounds;
    canvas_.SetLayers({selection_});
    canvas_.SetNote({});
    Fit();
    canvas_.SetOnWheel([this](ui::CanvasPoint at, double notches) {
        canvas_.SetView(ZoomAbout(canvas_.View(), at, std::pow(kWheelZoomFactor, notches)));
    });
    canvas_.SetOnDrag(
        [this](double dx, double dy) { canvas_.SetView(Panned(canvas_.View(), dx, dy)); });
    canvas_.SetOnDoubleClick([this] { Fit(); });
    worker_ = std::thread([this] { Work(); });
}

PreviewPane::~PreviewPane() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        ++asked_;
        running_.request_stop();  // the sweep under way gives up
    }
    changed_.notify_all();
    worker_.join();
    canvas_.SetOnWheel({});
    canvas_.SetOnDrag({});
    canvas_.SetOnDoubleClick({});
}

void PreviewPane::Fit() { canvas_.SetView(FitView(bounds_, width_, height_)); }

void PreviewPane::Show(const HatchSettings& settings) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = settings;
        ++asked_;
        running_.request_stop();
    }
    changed_.notify_all();
}

void PreviewPane::WaitUntilComputed() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return finished_ == asked_ || stopping_; });
}

void PreviewPane::Work() {
    for (;;) {
        HatchSettings settings;
        std::uint64_t request = 0;
        std::stop_token stop;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return waiting_.has_value() || stopping_; });
            if (stopping_) return;
            settings = std::move(*waiting_);
            waiting_.reset();
            request = asked_;
            running_ = std::stop_source();
            stop = running_.get_token();
        }
        // Nothing may end the worker but the pane: memory running out (or a
        // thread that cannot start) for this drawing at these values ends
        // only this preview, and the dialog goes on without it.
        try {
            if (auto result = Compute(request, settings, std::move(stop))) Post(std::move(result));
        } catch (...) {
            try {
                auto result = std::make_shared<Result>();
                result->request = request;
                result->note = Sjis(texts::kPreviewTooLarge);
                Post(std::move(result));
            } catch (...) {
                // Not even the note could be made: the pane keeps what it shows.
            }
        }
        {
            const std::lock_guard lock(mutex_);
            finished_ = request;
        }
        changed_.notify_all();
    }
}

// The result of one request; nullptr when it was given up for a newer one.
std::shared_ptr<PreviewPane::Result> PreviewPane::Compute(std::uint64_t request,
                                                          const HatchSettings& settings,
                                                          std::stop_token stop) {
    const PreviewHatch computed = compute_(drawing_, settings, std::move(stop));
    if (!computed.complete) return nullptr;
    auto result = std::make_shared<Result>();
    result->request = request;
    if (computed.overBudget) {
        result->note = Sjis(texts::kPreviewTooManySegments);
    } else if (computed.outcome == ConversionOutcome::Accepted) {
        result->hatch = BuildHatchScene(computed.hatch);
        result->note = IntervalMeaningText(drawing_, settings);
        if (!result->note.empty()) result->note += Sjis(texts::kNoteSeparator);
        result->note += SegmentCountText(computed.hatch.Count());
    } else {
        result->note = Sjis(RefusalNote(computed.outcome));
    }
    return result;
}

void PreviewPane::Post(std::shared_ptr<Result> result) {
    canvas_.Post([weak = std::weak_ptr(self_), result = std::move(result)] {
        if (const auto self = weak.lock()) (*self)->Deliver(*result);
    });
}

// On the canvas's thread. A result overtaken by a newer request is dropped:
// the newer one is under way and will be shown instead.
void PreviewPane::Deliver(const Result& result) {
    if (result.request != asked_) return;
    ui::CanvasLayers layers{selection_};
    if (result.hatch) layers.push_back(result.hatch);
    canvas_.SetLayers(std::move(layers));
    canvas_.SetNote(result.note);
}

}  // namespace rv17
