// Chief header of the shared helpers: text conversions and plane geometry.
#pragma once

#include "geometry/Angles.h"
#include "geometry/Ellipse.h"
#include "geometry/GeometryTolerance.h"
#include "geometry/Intersections.h"
#include "geometry/Pi.h"
#include "geometry/PlanePoint.h"
#include "geometry/PointInPolygon.h"
#include "geometry/TextConversions.h"
#include "geometry/Trigonometry.h"

namespace rv17 {}  // namespace rv17
