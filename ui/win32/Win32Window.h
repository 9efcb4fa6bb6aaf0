// A dialog window built from a WindowDesign: an empty Win32 dialog sized to the
// designed client area, with its controls created at their designed pixel
// positions in tab order, all scaled to the dpi of the monitor it stands on.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/Toolkit.h"
#include "ui/win32/Win32Controls.h"

namespace rv17 {

namespace ui::win32 {

class Win32Application;

class Win32Window final : public ui::Window, private ControlHost {
public:
    // `owner` is null for the main window; `icon` and `smallIcon` may be null.
    Win32Window(Win32Application& application, const ui::WindowDesign& design, HWND owner,
                HICON icon, HICON smallIcon);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    ui::Label& LabelNamed(std::string_view name) override;
    ui::ComboBox& ComboBoxNamed(std::string_view name) override;
    ui::Button& ButtonNamed(std::string_view name) override;
    ui::CheckBox& CheckBoxNamed(std::string_view name) override;
    ui::Edit& EditNamed(std::string_view name) override;
    ui::ListBox& ListBoxNamed(std::string_view name) override;
    ui::Memo& MemoNamed(std::string_view name) override;
    ui::Canvas& CanvasNamed(std::string_view name) override;

    void SetCaption(std::string_view caption) override;
    std::string Caption() const override;
    void SetPosition(ui::ScreenPosition position) override;
    ui::ScreenPosition Position() const override;
    void SetClientWidth(int width) override;

    void SetOnShow(std::function<void()> handler) override { onShow_ = std::move(handler); }
    void SetOnClose(std::function<void()> handler) override { onClose_ = std::move(handler); }

    void ShowModal() override;
    void Close() override;
    void ShowErrorMessage(std::string_view caption, std::string_view text) override;
    void SetWaitCursor(bool waiting) override;

    // Closing the main window destroys it; other windows are only hidden.
    void MakeMainWindow() { isMain_ = true; }
    // Runs the show handler and shows the window with the focus in place.
    void Show();
    bool IsOpen() const { return open_; }
    HWND Handle() const { return handle_; }

private:
    struct NamedControl {
        std::string name;
        std::size_t designIndex = 0;  // in design_.controls
        std::unique_ptr<NativeControl> control;
    };

    static INT_PTR CALLBACK DialogProcedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WORD id, WORD code);
    INT_PTR OnControlColour(HDC dc, HWND control);
    void ClickButton(NativeControl* button);

    void MoveFocusTo(HWND control) override;
    void CreateControls(const ui::WindowDesign& scaled);
    void CreateControl(const ui::WindowDesign& scaled, std::size_t index, int id);
    void FitControl(const ui::ControlDesign& scaled, NativeControl& control);
    // Places every control and sizes the client area for dpi_.
    void LayOut();
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool ScaledOuterSize(int dpi, SIZE& size) const;
    HFONT FontOfHeight(int height);
    void SetClientSize(int width, int height);
    void PlaceWithinReach();
    ui::ScreenPosition ActualPosition() const;

    template <class Wanted>
    Wanted& Named(std::string_view name, const char* kindName);

    Win32Application& application_;
    // The design in 96-dpi pixels, and the dpi the window is laid out for.
    ui::WindowDesign design_;
    int dpi_;
    HWND handle_ = nullptr;
    std::wstring fontName_;
    std::map<int, HFONT> fonts_;
    HBRUSH backgroundBrush_ = nullptr;
    COLORREF backgroundColour_ = 0;
    std::map<HWND, HBRUSH> controlBrushes_;
    std::map<HWND, COLORREF> controlBackgrounds_;
    std::vector<NamedControl> controls_;
    NativeControl* defaultButton_ = nullptr;
    NativeControl* cancelButton_ = nullptr;
    HWND pendingFocus_ = nullptr;
    std::function<void()> onShow_;
    std::function<void()> onClose_;
    bool isMain_ = false;
    bool open_ = false;
    bool waitCursor_ = false;
    HWND disabledOwner_ = nullptr;
    // Where the window was asked to stand before it was moved into reach,
    // reported as its position as long as the user has not moved it since.
    bool movedIntoReach_ = false;
    ui::ScreenPosition requestedPosition_;
    ui::ScreenPosition reachablePosition_;
};

}  // namespace ui::win32

}  // namespace rv17
