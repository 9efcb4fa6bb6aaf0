// One hatch line as the clippers receive it: a segment A-B that reaches
// across the bounds of all solids, and the hatch angle.
#pragma once

namespace rv17 {

struct HatchLine {
    double ax = 0.0;
    double ay = 0.0;
    double bx = 0.0;
    double by = 0.0;
    double angle = 0.0;  // radians; A lies from B in the direction (cos angle, sin angle)
};

}  // namespace rv17
