// Keeps a window that is about to be shown within the user's reach: a position
// stored while another monitor was attached may lie off every monitor now.
#pragma once

#include <windows.h>

#include <vector>

namespace rv17 {

namespace ui::win32 {

// True when enough of the title bar (the top `captionHeight` pixels of
// `window`) lies on one of the work areas for the user to grab it.
bool IsCaptionReachable(const RECT& window, int captionHeight, const std::vector<RECT>& workAreas);

// The top-left corner at which `window` can be shown: its own when the caption
// is reachable, otherwise the nearest work area's corner-clamped position.
POINT ReachableTopLeft(const RECT& window, int captionHeight, const std::vector<RECT>& workAreas);

// The work areas of the monitors attached now.
std::vector<RECT> MonitorWorkAreas();

}  // namespace ui::win32

}  // namespace rv17
