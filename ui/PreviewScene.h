// The preview pane's primitives: the selection as read (solids filled, other
// figures as thin lines, the reference point as a cross) and the hatch lines,
// from the same drawing model as rv17-hatch's SVG.
#pragma once

#include <memory>

#include "drawing/ConvertedDrawing.h"
#include "exchange/EntityStore.h"
#include "geometry/PlaneBox.h"
#include "ui/Canvas.h"

namespace rv17 {

struct SelectionScene {
    std::shared_ptr<const ui::CanvasScene> scene;
    PlaneBox bounds;  // of everything in the scene; empty for an empty selection
};

// Solids filled with a pale tint of their colour (hatch lines in the same
// colour stay visible over it) and outlined in the colour itself; every other
// figure a thin line; "hp1", when given, a small cross. Texts and points are
// left out: the pane is for judging the hatch, not for reading the drawing.
SelectionScene BuildSelectionScene(const EntityStore& drawing);

// One two-point polyline per drawable segment, in the segment's colour.
std::shared_ptr<const ui::CanvasScene> BuildHatchScene(const BlockList<HatchPiece>& hatch);

}  // namespace rv17
