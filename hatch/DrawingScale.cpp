// The scale of the hatch's layer group and the spacing it gives the interval.
#include "hatch/DrawingScale.h"

#include <cmath>

namespace rv17 {

double HatchGroupScale(const EntityStore& store) noexcept {
    const std::int32_t group = store.initial.initialLayerGroup;
    if (group < 0 || group >= static_cast<std::int32_t>(store.groupScale.size())) return 1.0;
    const double scale = store.groupScale[static_cast<std::size_t>(group)];
    return std::isfinite(scale) && scale > 0.0 ? scale : 1.0;
}

double AppliedInterval(const EntityStore& store, double typedInterval, bool realSize) noexcept {
    const bool onPaper = CoordinatesOnPaper(store);
    if (onPaper != realSize) return typedInterval;
    const double scale = HatchGroupScale(store);
    const double applied = onPaper ? typedInterval / scale : typedInterval * scale;
    // A scale so large that the product overflows is as unusable as none.
    return std::isfinite(applied) ? applied : typedInterval;
}

}  // namespace rv17
