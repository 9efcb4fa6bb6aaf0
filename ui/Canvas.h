// A control that paints a drawing from primitives (polylines, filled polygons
// and a text note) through a view that the user zooms with the wheel, pans by
// dragging and fits again with a double click.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Toolkit.h"

namespace rv17 {

namespace ui {

// A point in drawing units (y up) or, for events, in the canvas's designed
// pixels (y down, 96 dpi; the Win32 canvas scales to its monitor).
struct CanvasPoint {
    double x = 0.0;
    double y = 0.0;
};

// Drawing units to designed canvas pixels: x' = offsetX + scale * x and
// y' = offsetY - scale * y.
struct CanvasView {
    double scale = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;

    CanvasPoint ToPixels(CanvasPoint p) const {
        return {offsetX + scale * p.x, offsetY - scale * p.y};
    }
};

enum class CanvasShape : std::uint8_t {
    Polyline,  // an open line through the points of its one loop
    Polygon,   // one or more closed loops, filled and outlined
};

struct CanvasItem {
    CanvasShape shape = CanvasShape::Polyline;
    bool evenOdd = false;  // polygons with holes (rings)
    Colour line;
    Colour fill;
    std::uint32_t firstLoop = 0;  // into CanvasScene::loopEnds
    std::uint32_t loopCount = 1;
};

// Primitives held compactly: every point in one array, each loop ending where
// its entry of loopEnds says, items naming their loops. A hatch of 200,000
// segments is then three arrays, not 200,000 allocations.
struct CanvasScene {
    std::vector<CanvasPoint> points;
    std::vector<std::uint32_t> loopEnds;  // one past the last point of each loop
    std::vector<CanvasItem> items;

    void AddPolyline(const CanvasPoint* first, std::size_t count, Colour colour) {
        items.push_back({CanvasShape::Polyline, false, colour, colour, LoopCount(), 1});
        AppendLoop(first, count);
    }
    // Starts a polygon; its loops follow through AddLoop.
    void BeginPolygon(Colour fill, Colour outline, bool evenOdd) {
        items.push_back({CanvasShape::Polygon, evenOdd, outline, fill, LoopCount(), 0});
    }
    void AddLoop(const CanvasPoint* first, std::size_t count) {
        ++items.back().loopCount;
        AppendLoop(first, count);
    }

    std::uint32_t LoopBegin(std::uint32_t loop) const { return loop == 0 ? 0 : loopEnds[loop - 1]; }

private:
    std::uint32_t LoopCount() const { return static_cast<std::uint32_t>(loopEnds.size()); }
    void AppendLoop(const CanvasPoint* first, std::size_t count) {
        points.insert(points.end(), first, first + count);
        loopEnds.push_back(static_cast<std::uint32_t>(points.size()));
    }
};

// Scenes drawn in order, one over the other; shared so that a scene built on
// a worker thread reaches the canvas without a copy.
using CanvasLayers = std::vector<std::shared_ptr<const CanvasScene>>;

class Canvas : public Control {
public:
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;

    virtual void SetLayers(CanvasLayers layers) = 0;
    virtual const CanvasLayers& Layers() const = 0;
    virtual void SetView(const CanvasView& view) = 0;
    virtual CanvasView View() const = 0;
    // A short text in grey at the top left, over the drawing; empty for none.
    virtual void SetNote(std::string_view shiftJis) = 0;
    virtual std::string Note() const = 0;

    // The wheel turned by `notches` (positive away from the user) over `at`.
    void SetOnWheel(std::function<void(CanvasPoint at, double notches)> handler) {
        onWheel_ = std::move(handler);
    }
    // The pointer dragged with the left button held, by (dx, dy) since the last call.
    void SetOnDrag(std::function<void(double dx, double dy)> handler) {
        onDrag_ = std::move(handler);
    }
    void SetOnDoubleClick(std::function<void()> handler) { onDoubleClick_ = std::move(handler); }

    // Runs `task` on the thread that owns the canvas, soon; callable from any
    // thread. Tasks still waiting when the canvas goes are dropped.
    virtual void Post(std::function<void()> task) = 0;

protected:
    // An implementation reports the user's moves over the canvas through these.
    void Wheeled(CanvasPoint at, double notches) const {
        if (onWheel_) onWheel_(at, notches);
    }
    void Dragged(double dx, double dy) const {
        if (onDrag_) onDrag_(dx, dy);
    }
    void DoubleClicked() const {
        if (onDoubleClick_) onDoubleClick_();
    }

private:
    std::function<void(CanvasPoint, double)> onWheel_;
    std::function<void(double, double)> onDrag_;
    std::function<void()> onDoubleClick_;
};

}  // namespace ui

}  // namespace rv17
