// The toolkit's canvas as a child window of its own class: it paints its
// primitives with GDI into an off-screen bitmap at the window's dpi, then
// copies that to the screen in one step, so a repaint never flickers.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <mutex>
#include <vector>

#include "ui/Canvas.h"
#include "ui/win32/Win32Controls.h"

namespace rv17 {

namespace ui::win32 {

// The window class's name, registered on first use.
const wchar_t* CanvasClassName();
// True for a canvas window: the message loop hands it the wheel while the
// pointer is over it, wherever the keyboard focus is.
bool IsCanvasWindow(HWND window);

class Win32Canvas final : public ControlOf<ui::Canvas> {
public:
    // `keepError` receives any exception met inside a message of the canvas.
    Win32Canvas(ControlHost& host, HWND handle, std::function<void(std::exception_ptr)> keepError);
    ~Win32Canvas() override;

    void SetFocus() override {}  // not a tab stop; the wheel reaches it through the loop
    void SetVisible(bool visible) override;
    bool Visible() const override;
    void SetLayers(ui::CanvasLayers layers) override;
    const ui::CanvasLayers& Layers() const override { return layers_; }
    void SetView(const ui::CanvasView& view) override;
    ui::CanvasView View() const override { return view_; }
    void SetNote(std::string_view shiftJis) override;
    std::string Note() const override { return note_; }
    void Post(std::function<void()> task) override;

private:
    static LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintLayers(HDC dc, double pixelsPerDesigned) const;
    void RunPosted();

    std::function<void(std::exception_ptr)> keepError_;
    ui::CanvasLayers layers_;
    ui::CanvasView view_;
    std::string note_;
    HFONT font_ = nullptr;
    bool dragging_ = false;
    POINT dragFrom_{};
    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;
};

}  // namespace ui::win32

}  // namespace rv17
