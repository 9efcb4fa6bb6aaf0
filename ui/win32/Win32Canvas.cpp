// Painting and mouse handling of the canvas window.
#include "ui/win32/Win32Canvas.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "ui/DisplayScale.h"
#include "ui/win32/WideText.h"
#include "ui/win32/WindowDpi.h"

namespace rv17 {

namespace ui::win32 {

namespace {

constexpr UINT kRunPostedMessage = WM_APP + 17;
constexpr wchar_t kClassName[] = L"Rv17Canvas";
// GDI takes 32-bit coordinates but draws unreliably far beyond the bitmap;
// points zoomed out that far are held at this distance.
constexpr double kFarthestPixel = 1e6;
constexpr COLORREF kNoteColour = RGB(128, 128, 128);
constexpr COLORREF kFrameColour = RGB(192, 192, 192);

COLORREF ToColorRef(ui::Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

LONG ToPixel(double value) {
    return static_cast<LONG>(std::lround(std::clamp(value, -kFarthestPixel, kFarthestPixel)));
}

// Pens and brushes made once per paint and colour.
class GdiCache {
public:
    explicit GdiCache(HDC dc) : dc_(dc) {}
    ~GdiCache() {
        for (auto& [colour, pen] : pens_) ::DeleteObject(pen);
        for (auto& [colour, brush] : brushes_) ::DeleteObject(brush);
    }
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;
    void UsePen(COLORREF colour) {
        auto& pen = pens_[colour];
        if (!pen) pen = ::CreatePen(PS_SOLID, 1, colour);
        ::SelectObject(dc_, pen);
    }
    void UseBrush(COLORREF colour) {
        auto& brush = brushes_[colour];
        if (!brush) brush = ::CreateSolidBrush(colour);
        ::SelectObject(dc_, brush);
    }

private:
    HDC dc_;
    std::map<COLORREF, HPEN> pens_;
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace

const wchar_t* CanvasClassName() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    return kClassName;
}

bool IsCanvasWindow(HWND window) {
    wchar_t name[32] = {};
    return window && ::GetClassNameW(window, name, 32) > 0 && std::wstring_view(name) == kClassName;
}

Win32Canvas::Win32Canvas(ControlHost& host, HWND handle,
                         std::function<void(std::exception_ptr)> keepError)
    : ControlOf(host, handle), keepError_(std::move(keepError)) {
    ::SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
}

Win32Canvas::~Win32Canvas() {
    if (::IsWindow(Handle())) {
        ::SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(::DefWindowProcW));
        ::SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
    }
}

void Win32Canvas::SetVisible(bool visible) { ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }
bool Win32Canvas::Visible() const { return ::IsWindowVisible(Handle()) != FALSE; }

void Win32Canvas::SetLayers(ui::CanvasLayers layers) {
    layers_ = std::move(layers);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Win32Canvas::SetView(const ui::CanvasView& view) {
    view_ = view;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Win32Canvas::SetNote(std::string_view shiftJis) {
    note_ = shiftJis;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Win32Canvas::Post(std::function<void()> task) {
    {
        const std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(task));
    }
    ::PostMessageW(Handle(), kRunPostedMessage, 0, 0);
}

void Win32Canvas::RunPosted() {
    std::vector<std::function<void()>> tasks;
    {
        const std::lock_guard lock(postedMutex_);
        tasks.swap(posted_);
    }
    for (auto& task : tasks) task();
}

LRESULT CALLBACK Win32Canvas::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* canvas = reinterpret_cast<Win32Canvas*>(::GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (!canvas) return ::DefWindowProcW(handle, message, wParam, lParam);
    try {
        return canvas->HandleMessage(message, wParam, lParam);
    } catch (...) {
        canvas->keepError_(std::current_exception());
        return 0;
    }
}

LRESULT Win32Canvas::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = Handle();
    const double pixelsPerDesigned = WindowDpi(handle) / static_cast<double>(ui::kDesignDpi);
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case kRunPostedMessage:
            RunPosted();
            return 0;
        case WM_MOUSEWHEEL: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::ScreenToClient(handle, &at);
            const double notches =
                GET_WHEEL_DELTA_WPARAM(wParam) / static_cast<double>(WHEEL_DELTA);
            Wheeled({at.x / pixelsPerDesigned, at.y / pixelsPerDesigned}, notches);
            return 0;
        }
        case WM_LBUTTONDOWN:
            dragging_ = true;
            dragFrom_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::SetCapture(handle);
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_) {
                const POINT now{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                const double dx = (now.x - dragFrom_.x) / pixelsPerDesigned;
                const double dy = (now.y - dragFrom_.y) / pixelsPerDesigned;
                dragFrom_ = now;
                if (dx != 0.0 || dy != 0.0) Dragged(dx, dy);
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = false;
                if (message == WM_LBUTTONUP) ::ReleaseCapture();
            }
            return 0;
        case WM_LBUTTONDBLCLK:
            DoubleClicked();
            return 0;
        default:
            return ::DefWindowProcW(handle, message, wParam, lParam);
    }
}

void Win32Canvas::Paint() {
    HWND handle = Handle();
    PAINTSTRUCT paint{};
    HDC screen = ::BeginPaint(handle, &paint);
    RECT client{};
    ::GetClientRect(handle, &client);
    const int width = std::max<int>(1, client.right);
    const int height = std::max<int>(1, client.bottom);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldFont = font_ ? ::SelectObject(dc, font_) : nullptr;

    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    PaintLayers(dc, WindowDpi(handle) / static_cast<double>(ui::kDesignDpi));
    if (!note_.empty()) {
        const std::wstring note = ShiftJisToWide(note_);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, kNoteColour);
        RECT box = client;
        ::InflateRect(&box, -6, -6);
        ::DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &box,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    HPEN frame = ::CreatePen(PS_SOLID, 1, kFrameColour);
    ::SelectObject(dc, frame);
    ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, 0, 0, width, height);

    ::BitBlt(screen, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    if (oldFont) ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(frame);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(handle, &paint);
}

// Polygons one by one (each has its own fill rule); runs of polylines of one
// colour in one PolyPolyline call, which is what keeps a large hatch fast.
void Win32Canvas::PaintLayers(HDC dc, double pixelsPerDesigned) const {
    GdiCache gdi(dc);
    std::vector<POINT> points;
    std::vector<DWORD> lineCounts;
    std::vector<INT> loopCounts;
    COLORREF runColour = 0;
    const auto flushRun = [&] {
        if (lineCounts.empty()) return;
        gdi.UsePen(runColour);
        ::PolyPolyline(dc, points.data(), lineCounts.data(), static_cast<DWORD>(lineCounts.size()));
        points.clear();
        lineCounts.clear();
    };
    for (const auto& layer : layers_) {
        if (!layer) continue;
        const ui::CanvasScene& scene = *layer;
        const auto addLoop = [&](std::uint32_t loop) {
            const std::uint32_t end = scene.loopEnds[loop];
            for (std::uint32_t i = scene.LoopBegin(loop); i < end; ++i) {
                const ui::CanvasPoint p = view_.ToPixels(scene.points[i]);
                points.push_back(
                    {ToPixel(p.x * pixelsPerDesigned), ToPixel(p.y * pixelsPerDesigned)});
            }
            return end - scene.LoopBegin(loop);
        };
        for (const ui::CanvasItem& item : scene.items) {
            if (item.shape == ui::CanvasShape::Polyline) {
                const COLORREF colour = ToColorRef(item.line);
                if (colour != runColour) flushRun();
                runColour = colour;
                const std::uint32_t count = addLoop(item.firstLoop);
                if (count < 2) {
                    points.resize(points.size() - count);
                    continue;
                }
                lineCounts.push_back(count);
                continue;
            }
            flushRun();
            for (std::uint32_t loop = 0; loop < item.loopCount; ++loop)
                loopCounts.push_back(static_cast<INT>(addLoop(item.firstLoop + loop)));
            ::SetPolyFillMode(dc, item.evenOdd ? ALTERNATE : WINDING);
            gdi.UsePen(ToColorRef(item.line));
            gdi.UseBrush(ToColorRef(item.fill));
            ::PolyPolygon(dc, points.data(), loopCounts.data(),
                          static_cast<int>(loopCounts.size()));
            points.clear();
            loopCounts.clear();
        }
    }
    flushRun();
    ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
}

}  // namespace ui::win32

}  // namespace rv17
