// The fixed absolute tolerances of the plane geometry. Each one decides which
// crossings a hatch line finds at corners, tangents and along edges, so each
// is used exactly where its name says and nowhere else.
#pragma once

namespace rv17 {

// An angle this close (radians) to an arc's start or end still lies on the arc.
inline constexpr double kSweepTolerance = 1e-12;
// Two vectors whose lengths multiply to no more than this have no angle between them.
inline constexpr double kZeroLengthProduct = 1e-12;
// Step of the grid to which RoundToGrid rounds.
inline constexpr double kGridStep = 1e-10;
// A vector shorter than this in both components has no direction (angle 0).
inline constexpr double kNullVectorTolerance = 1e-10;
// A normalised angle this close (degrees) to 0 or 360 becomes 0.
inline constexpr double kDegreeSnapTolerance = 1e-10;
// A circle crossing may lie this far beyond a segment's ends and still count.
inline constexpr double kCircleExtentTolerance = 1e-10;
// Reals and point coordinates this close are equal.
inline constexpr double kCoincidenceTolerance = 1e-8;
// Step of the quantiser that decides whether a difference counts as zero.
inline constexpr double kQuantiserStep = 1e-8;
// A segment crossing may lie this far outside either segment's extent in x or y.
inline constexpr double kExtentWidening = 1e-8;
// An ellipse with a radius below this has no crossings.
inline constexpr double kZeroRadius = 1e-8;
// Tolerance of PointOnSegment on components and on the segment parameter.
inline constexpr double kOnSegmentTolerance = 1e-8;
// An angle this close (degrees) to 180 counts as 0 in the winding sum.
inline constexpr double kStraightAngleTolerance = 1e-8;
// A winding sum this close (degrees) to +-360 means the point is inside.
inline constexpr double kWindingTolerance = 1e-4;
// How far (radians) the arc of a solid cut between its arc and end tangents
// may exceed a quarter turn and still be cut so. The host reads a larger arc
// as a sector, and writes a quarter turn as 1.5707963267949, just above pi/2.
inline constexpr double kQuarterTurnSlack = 1e-8;
// Two hatch pieces on one line whose gap along it is at most this touch and
// are joined. Solids that share an edge give crossings that differ only by
// the edge's written digits: 15 significant digits leave at most 1e-8 at
// coordinates up to 1e6, and an edge as shallow as 1/100 to the line moves
// its crossing along the line by a hundred times that. A gap of 1e-6 is
// still far below anything a drawing shows.
inline constexpr double kTouchingGap = 1e-6;

}  // namespace rv17
