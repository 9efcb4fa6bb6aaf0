// Moves a window whose title bar lies off every monitor onto the nearest
// monitor's work area, so a stored position can never hide the dialog.
#include "ui/win32/ScreenPlacement.h"

#include <algorithm>
#include <limits>

namespace rv17 {

namespace ui::win32 {

namespace {

// A strip of title bar this wide is enough to drag the window back.
constexpr LONG kMinimumGrip = 32;

// Squared distance between two rectangles, 0 when they touch or overlap.
long long DistanceSquared(const RECT& a, const RECT& b) {
    const long long dx = std::max<long long>(
        {0, static_cast<long long>(b.left) - a.right, static_cast<long long>(a.left) - b.right});
    const long long dy = std::max<long long>(
        {0, static_cast<long long>(b.top) - a.bottom, static_cast<long long>(a.top) - b.bottom});
    return dx * dx + dy * dy;
}

LONG ClampStart(LONG start, LONG size, LONG areaStart, LONG areaEnd) {
    // A window larger than the area keeps its top-left corner inside it.
    if (size >= areaEnd - areaStart) return areaStart;
    return std::clamp(start, areaStart, areaEnd - size);
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcWork);
    return TRUE;
}

}  // namespace

bool IsCaptionReachable(const RECT& window, int captionHeight, const std::vector<RECT>& workAreas) {
    const LONG needHeight = std::max<LONG>(1, captionHeight / 2);
    const LONG needWidth = std::min<LONG>(kMinimumGrip, window.right - window.left);
    const RECT caption{window.left, window.top, window.right, window.top + captionHeight};
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const RECT& area) {
        const LONG width = std::min(caption.right, area.right) - std::max(caption.left, area.left);
        const LONG height = std::min(caption.bottom, area.bottom) - std::max(caption.top, area.top);
        return width >= needWidth && height >= needHeight;
    });
}

POINT ReachableTopLeft(const RECT& window, int captionHeight, const std::vector<RECT>& workAreas) {
    if (workAreas.empty() || IsCaptionReachable(window, captionHeight, workAreas)) {
        return {window.left, window.top};
    }
    const RECT* nearest = &workAreas.front();
    long long nearestDistance = std::numeric_limits<long long>::max();
    for (const RECT& area : workAreas) {
        const long long distance = DistanceSquared(window, area);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    return {ClampStart(window.left, window.right - window.left, nearest->left, nearest->right),
            ClampStart(window.top, window.bottom - window.top, nearest->top, nearest->bottom)};
}

std::vector<RECT> MonitorWorkAreas() {
    std::vector<RECT> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace ui::win32

}  // namespace rv17
