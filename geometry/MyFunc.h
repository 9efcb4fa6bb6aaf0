// Chief header of the shared helpers: text conversions and plane geometry.
#pragma once

#include "TextConversions.h"
