// Chief header of the shared helpers: text conversions and plane geometry.
#pragma once

#include "Angles.h"
#include "Ellipse.h"
#include "GeometryTolerance.h"
#include "Intersections.h"
#include "PlanePoint.h"
#include "PolygonTest.h"
#include "TextConversions.h"
#include "Trigonometry.h"
