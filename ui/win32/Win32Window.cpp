// Dialog windows on real Win32 controls. One dialog procedure stores `this`,
// forwards each message to a small handler and keeps any exception for the
// message loop, so that none crosses a Win32 callback.
#include "ui/win32/Win32Window.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "ui/DisplayScale.h"
#include "ui/win32/ScreenPlacement.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Application.h"
#include "ui/win32/Win32Canvas.h"
#include "ui/win32/WindowDpi.h"

namespace rv17 {

namespace ui::win32 {

namespace {

// Control identifiers start above IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Escape.
constexpr int kFirstControlId = 1000;
// Lines a drop-down list shows before it scrolls.
constexpr int kDropDownLines = 8;

COLORREF ToColorRef(ui::Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

// An empty in-memory dialog template: the dialog manager gives the window its
// dialog behaviour (default button, focus kept across activation), while the
// controls are created in pixels afterwards.
std::vector<WORD> EmptyDialogTemplate(DWORD style) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = style;
    header->dwExtendedStyle = 0;
    header->cdit = 0;
    // The menu, class and title that follow the header are left empty (zeros).
    return words;
}

void DisableInputMethod(HWND control) {
    ::ImmAssociateContextEx(control, nullptr, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(control, &info) && info.hwndItem)
        ::ImmAssociateContextEx(info.hwndItem, nullptr, 0);
}

struct NativeKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    bool canTabStop;
};

NativeKind NativeKindOf(const ui::ControlDesign& design) {
    switch (design.kind) {
        case ui::ControlKind::Label:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0, false};
        case ui::ControlKind::EditableComboBox:
            return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, true};
        case ui::ControlKind::DropDownList:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, true};
        case ui::ControlKind::Button:
            return {L"BUTTON",
                    static_cast<DWORD>(design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                    true};
        case ui::ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX, 0, true};
        case ui::ControlKind::Edit:
            return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true};
        case ui::ControlKind::ListBox:
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE,
                    true};
        case ui::ControlKind::Memo:
            // No word wrap: a multi-line edit wraps unless it scrolls sideways.
            return {L"EDIT",
                    ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL,
                    WS_EX_CLIENTEDGE, false};
        case ui::ControlKind::Canvas:
            return {CanvasClassName(), 0, 0, false};
    }
    throw std::logic_error("unknown control kind");
}

std::unique_ptr<NativeControl> WrapControl(ControlHost& host, ui::ControlKind kind, HWND handle) {
    switch (kind) {
        case ui::ControlKind::Label:
            return std::make_unique<Win32Label>(host, handle);
        case ui::ControlKind::EditableComboBox:
            return std::make_unique<Win32ComboBox>(host, handle, true);
        case ui::ControlKind::DropDownList:
            return std::make_unique<Win32ComboBox>(host, handle, false);
        case ui::ControlKind::Button:
            return std::make_unique<Win32Button>(host, handle);
        case ui::ControlKind::CheckBox:
            return std::make_unique<Win32CheckBox>(host, handle);
        case ui::ControlKind::Edit:
            return std::make_unique<Win32Edit>(host, handle);
        case ui::ControlKind::ListBox:
            return std::make_unique<Win32ListBox>(host, handle);
        case ui::ControlKind::Memo:
            return std::make_unique<Win32Memo>(host, handle);
        case ui::ControlKind::Canvas:
            break;  // made by the window, which passes it its error keeper
    }
    throw std::logic_error("unknown control kind");
}

// A combo box's window height is its dropped height; the closed height
// follows from the selection field's height, which is set to give the design's.
// Windows versions differ in what the field height includes, so the closed
// height is measured after each setting and the setting corrected.
int ClosedHeight(HWND combo) {
    RECT closed{};
    ::GetWindowRect(combo, &closed);
    return static_cast<int>(closed.bottom - closed.top);
}

void FitComboBox(HWND combo, int designedHeight, int fontHeight) {
    // The dropped height first: resizing makes some versions recompute the
    // selection field from the font.
    ::SendMessageW(combo, CB_SETMINVISIBLE, kDropDownLines, 0);
    RECT now{};
    ::GetWindowRect(combo, &now);
    const LRESULT itemHeight = ::SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    const int listHeight =
        kDropDownLines * static_cast<int>(itemHeight > 0 ? itemHeight : fontHeight) + 2;
    ::SetWindowPos(combo, nullptr, 0, 0, now.right - now.left, designedHeight + listHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LRESULT fieldHeight = ::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 4 && fieldHeight != CB_ERR; ++attempt) {
        const int difference = designedHeight - ClosedHeight(combo);
        if (difference == 0 || fieldHeight + difference <= 0) break;
        fieldHeight += difference;
        ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
    }
}

}  // namespace

Win32Window::Win32Window(Win32Application& application, const ui::WindowDesign& design, HWND owner,
                         HICON icon, HICON smallIcon)
    : application_(application),
      design_(design),
      dpi_(ui::kDesignDpi),
      fontName_(ShiftJisToWide(design.fontName)) {
    // The main dialog has a single fixed border with the program's icon and a
    // minimise box; the editor a dialog frame with only the close box.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS |
                        (design.minimiseBox ? WS_MINIMIZEBOX : static_cast<DWORD>(DS_MODALFRAME));
    const std::vector<WORD> dialogTemplate = EmptyDialogTemplate(style);
    handle_ = ::CreateDialogIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
        owner, DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (!handle_) throw std::runtime_error("cannot create a dialog window");
    LeaveDpiChangesToWindow(handle_);
    if (!owner)
        ::SetWindowLongPtrW(handle_, GWL_EXSTYLE,
                            ::GetWindowLongPtrW(handle_, GWL_EXSTYLE) | WS_EX_APPWINDOW);

    if (design.background == ui::WindowBackground::White) {
        backgroundColour_ = RGB(255, 255, 255);
        backgroundBrush_ = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    } else {
        backgroundColour_ = ::GetSysColor(COLOR_BTNFACE);
        backgroundBrush_ = ::GetSysColorBrush(COLOR_BTNFACE);
    }
    if (icon) ::SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    if (smallIcon)
        ::SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));

    SetCaption(design.caption);
    // Placed first, because the monitor it stands on decides the dpi.
    ::SetWindowPos(handle_, nullptr, design.position.left, design.position.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dpi_ = WindowDpi(handle_);
    const ui::WindowDesign scaled = ui::ScaledDesign(design_, dpi_);
    SetClientSize(scaled.clientWidth, scaled.clientHeight);
    CreateControls(scaled);
}

Win32Window::~Win32Window() {
    if (handle_ && ::IsWindow(handle_)) {
        if (disabledOwner_) ::EnableWindow(disabledOwner_, TRUE);
        ::DestroyWindow(handle_);
    }
    for (auto& [control, brush] : controlBrushes_) ::DeleteObject(brush);
    for (auto& [height, font] : fonts_) ::DeleteObject(font);
}

void Win32Window::SetClientSize(int width, int height) {
    RECT outer{};
    RECT client{};
    ::GetWindowRect(handle_, &outer);
    ::GetClientRect(handle_, &client);
    // The frame's thickness is measured on the window itself, so the client
    // area comes out exact whatever caption height the system uses.
    const int frameWidth = (outer.right - outer.left) - (client.right - client.left);
    const int frameHeight = (outer.bottom - outer.top) - (client.bottom - client.top);
    ::SetWindowPos(handle_, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT Win32Window::FontOfHeight(int height) {
    auto found = fonts_.find(height);
    if (found != fonts_.end()) return found->second;
    // A negative height asks for that character height in pixels.
    HFONT font = ::CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, fontName_.c_str());
    fonts_.emplace(height, font);
    return font;
}

void Win32Window::CreateControls(const ui::WindowDesign& scaled) {
    // Creation order is z-order, and z-order is the order in which Tab visits
    // the controls; those outside the tab order come last.
    std::vector<std::size_t> ordered;
    for (std::size_t i = 0; i < scaled.controls.size(); ++i) ordered.push_back(i);
    const auto tabRank = [&scaled](std::size_t index) {
        const int order = scaled.controls[index].tabOrder;
        return order == ui::kNoTabStop ? INT_MAX : order;
    };
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&tabRank](std::size_t a, std::size_t b) { return tabRank(a) < tabRank(b); });
    for (std::size_t i = 0; i < ordered.size(); ++i)
        CreateControl(scaled, ordered[i], kFirstControlId + static_cast<int>(i));
    if (defaultButton_)
        ::SendMessageW(handle_, DM_SETDEFID, ::GetDlgCtrlID(defaultButton_->Handle()), 0);
}

void Win32Window::CreateControl(const ui::WindowDesign& scaled, std::size_t index, int id) {
    const ui::ControlDesign& design = scaled.controls[index];
    const NativeKind native = NativeKindOf(design);
    const bool tabStop = native.canTabStop && design.tabOrder != ui::kNoTabStop;
    const DWORD style = WS_CHILD | (design.visible ? WS_VISIBLE : 0) | native.style |
                        (tabStop ? WS_TABSTOP : 0) | (design.multiline ? BS_MULTILINE : 0);
    const std::wstring caption = ShiftJisToWide(design.caption);
    HWND handle = ::CreateWindowExW(
        native.exStyle, native.className, caption.c_str(), style, design.bounds.left,
        design.bounds.top, design.bounds.width, design.bounds.height, handle_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (!handle) throw std::runtime_error("cannot create control " + design.name);
    std::unique_ptr<NativeControl> control =
        design.kind == ui::ControlKind::Canvas
            ? std::make_unique<Win32Canvas>(
                  static_cast<ControlHost&>(*this), handle,
                  [this](std::exception_ptr error) { application_.KeepError(std::move(error)); })
            : WrapControl(*this, design.kind, handle);
    ::SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOfHeight(design.fontHeight)),
                   FALSE);

    FitControl(design, *control);
    if (design.kind == ui::ControlKind::Memo) {
        controlBackgrounds_[handle] = ToColorRef(design.background);
        controlBrushes_[handle] = ::CreateSolidBrush(ToColorRef(design.background));
    }
    if (design.imeDisabled) DisableInputMethod(handle);
    if (design.kind == ui::ControlKind::Button) {
        if (design.isDefault) defaultButton_ = control.get();
        if (design.isCancel) cancelButton_ = control.get();
    }
    controls_.push_back({design.name, index, std::move(control)});
}

// What a control's window does not follow from its bounds and font alone.
void Win32Window::FitControl(const ui::ControlDesign& scaled, NativeControl& control) {
    switch (scaled.kind) {
        case ui::ControlKind::Label:
            static_cast<Win32Label&>(control).FitToText();
            break;
        case ui::ControlKind::EditableComboBox:
        case ui::ControlKind::DropDownList:
            FitComboBox(control.Handle(), scaled.bounds.height, scaled.fontHeight);
            break;
        case ui::ControlKind::ListBox:
            ::SendMessageW(control.Handle(), LB_SETITEMHEIGHT, 0, scaled.fontHeight);
            break;
        default:
            break;
    }
}

void Win32Window::LayOut() {
    // Always from the 96-dpi design, so that moving between monitors back and
    // forth never accumulates rounding.
    const ui::WindowDesign scaled = ui::ScaledDesign(design_, dpi_);
    for (NamedControl& entry : controls_) {
        const ui::ControlDesign& design = scaled.controls[entry.designIndex];
        HWND handle = entry.control->Handle();
        ::SetWindowPos(handle, nullptr, design.bounds.left, design.bounds.top, design.bounds.width,
                       design.bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(handle, WM_SETFONT,
                       reinterpret_cast<WPARAM>(FontOfHeight(design.fontHeight)), FALSE);
        FitControl(design, *entry.control);
    }
    SetClientSize(scaled.clientWidth, scaled.clientHeight);
}

void Win32Window::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The suggested rectangle keeps the window under the pointer that drags it
    // onto the other monitor; its size comes from WM_GETDPISCALEDSIZE where the
    // system asks, and the exact client size is set again after the layout.
    ::SetWindowPos(handle_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
    ::RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Win32Window::ScaledOuterSize(int dpi, SIZE& size) const {
    return OuterSizeAtDpi(handle_, ui::ScaleForDpi(design_.clientWidth, dpi),
                          ui::ScaleForDpi(design_.clientHeight, dpi), dpi, size);
}

template <class Wanted>
Wanted& Win32Window::Named(std::string_view name, const char* kindName) {
    for (auto& entry : controls_) {
        if (entry.name != name) continue;
        if (auto* wanted = dynamic_cast<Wanted*>(&entry.control->Interface())) return *wanted;
        throw std::logic_error("control " + std::string(name) + " is not a " + kindName);
    }
    throw std::logic_error("the window has no control " + std::string(name));
}

ui::Label& Win32Window::LabelNamed(std::string_view name) {
    return Named<ui::Label>(name, "label");
}
ui::ComboBox& Win32Window::ComboBoxNamed(std::string_view name) {
    return Named<ui::ComboBox>(name, "combo box");
}
ui::Button& Win32Window::ButtonNamed(std::string_view name) {
    return Named<ui::Button>(name, "button");
}
ui::CheckBox& Win32Window::CheckBoxNamed(std::string_view name) {
    return Named<ui::CheckBox>(name, "check box");
}
ui::Edit& Win32Window::EditNamed(std::string_view name) {
    return Named<ui::Edit>(name, "edit field");
}
ui::ListBox& Win32Window::ListBoxNamed(std::string_view name) {
    return Named<ui::ListBox>(name, "list box");
}
ui::Memo& Win32Window::MemoNamed(std::string_view name) { return Named<ui::Memo>(name, "memo"); }
ui::Canvas& Win32Window::CanvasNamed(std::string_view name) {
    return Named<ui::Canvas>(name, "canvas");
}

void Win32Window::SetClientWidth(int width) {
    design_.clientWidth = width;
    SetClientSize(ui::ScaleForDpi(design_.clientWidth, dpi_),
                  ui::ScaleForDpi(design_.clientHeight, dpi_));
    // A window widened past its monitor's work area moves left just enough.
    RECT outer{};
    ::GetWindowRect(handle_, &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const LONG overhang = outer.right - monitor.rcWork.right;
    if (overhang <= 0) return;
    const LONG left = std::max(monitor.rcWork.left, outer.left - overhang);
    ::SetWindowPos(handle_, nullptr, left, outer.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetCaption(std::string_view caption) {
    ::SetWindowTextW(handle_, ShiftJisToWide(caption).c_str());
}

std::string Win32Window::Caption() const {
    const int length = ::GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(std::max(0, length)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(std::max(0, ::GetWindowTextW(handle_, text.data(), length + 1))));
    return WideToShiftJis(text);
}

void Win32Window::SetPosition(ui::ScreenPosition position) {
    movedIntoReach_ = false;
    ::SetWindowPos(handle_, nullptr, position.left, position.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A hidden window is checked when it is shown, on the monitors of then.
    if (::IsWindowVisible(handle_)) PlaceWithinReach();
}

ui::ScreenPosition Win32Window::Position() const {
    const ui::ScreenPosition actual = ActualPosition();
    // Moving the window into reach is a repair of this run only: unless the
    // user has moved it since, the position asked for is the one reported
    // (and so stored), and it returns when its monitor does.
    if (movedIntoReach_ && actual == reachablePosition_) return requestedPosition_;
    return actual;
}

ui::ScreenPosition Win32Window::ActualPosition() const {
    if (!::IsIconic(handle_)) {
        RECT outer{};
        ::GetWindowRect(handle_, &outer);
        return {outer.left, outer.top};
    }
    // A minimised window stands far off screen; its restored place is kept in
    // work-area coordinates, which differ from the screen's by the taskbar.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(handle_, &placement);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    return {placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
            placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
}

void Win32Window::PlaceWithinReach() {
    RECT outer{};
    ::GetWindowRect(handle_, &outer);
    POINT clientOrigin{0, 0};
    ::ClientToScreen(handle_, &clientOrigin);
    const int captionHeight = static_cast<int>(clientOrigin.y - outer.top);
    const POINT reachable = ReachableTopLeft(outer, captionHeight, MonitorWorkAreas());
    if (reachable.x == outer.left && reachable.y == outer.top) return;
    requestedPosition_ = {outer.left, outer.top};
    reachablePosition_ = {reachable.x, reachable.y};
    movedIntoReach_ = true;
    ::SetWindowPos(handle_, nullptr, reachable.x, reachable.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Show() {
    if (open_) return;
    if (onShow_) onShow_();
    PlaceWithinReach();
    // Moved while hidden, the window may stand on a monitor of another density.
    const int dpi = WindowDpi(handle_);
    if (dpi != dpi_) {
        dpi_ = dpi;
        LayOut();
    }
    ::ShowWindow(handle_, SW_SHOWNORMAL);
    ::SetForegroundWindow(handle_);
    open_ = true;
    HWND focus = pendingFocus_ ? pendingFocus_ : ::GetNextDlgTabItem(handle_, nullptr, FALSE);
    pendingFocus_ = nullptr;
    if (focus) MoveFocusTo(focus);
}

void Win32Window::ShowModal() {
    if (open_) return;
    HWND owner = ::GetWindow(handle_, GW_OWNER);
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    try {
        Show();
        application_.PumpMessages([this] { return !open_; });
    } catch (...) {
        if (open_) Close();
        throw;
    }
}

void Win32Window::Close() {
    if (!open_) return;
    open_ = false;
    std::exception_ptr handlerError;
    try {
        if (onClose_) onClose_();
    } catch (...) {
        handlerError = std::current_exception();
    }
    if (isMain_) {
        ::DestroyWindow(handle_);
    } else {
        // The owner is enabled before the window hides, so that Windows hands
        // the activation back to it rather than to another program.
        if (disabledOwner_) ::EnableWindow(disabledOwner_, TRUE);
        ::ShowWindow(handle_, SW_HIDE);
        if (disabledOwner_) ::SetActiveWindow(disabledOwner_);
        disabledOwner_ = nullptr;
    }
    if (handlerError) std::rethrow_exception(handlerError);
}

void Win32Window::ShowErrorMessage(std::string_view caption, std::string_view text) {
    ::MessageBoxW(handle_, ShiftJisToWide(text).c_str(), ShiftJisToWide(caption).c_str(),
                  MB_OK | MB_ICONERROR);
}

// The cursor is set at once, because a long step keeps the message loop from
// asking; WM_SETCURSOR keeps it while the window stays busy.
void Win32Window::SetWaitCursor(bool waiting) {
    waitCursor_ = waiting;
    ::SetCursor(::LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

void Win32Window::MoveFocusTo(HWND control) {
    if (!::IsWindowVisible(handle_)) {
        pendingFocus_ = control;
        return;
    }
    // Through the dialog manager, so the default button follows the focus.
    ::SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

INT_PTR CALLBACK Win32Window::DialogProcedure(HWND handle, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(handle, DWLP_USER, lParam);
        return FALSE;
    }
    auto* window = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(handle, DWLP_USER));
    if (!window) return FALSE;
    try {
        return window->HandleMessage(message, wParam, lParam);
    } catch (...) {
        window->application_.KeepError(std::current_exception());
        return TRUE;
    }
}

INT_PTR Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            // The close box closes without pressing Cancel.
            Close();
            return TRUE;
        case WM_SETCURSOR:
            // Asked for the window and each of its controls.
            if (!waitCursor_) return FALSE;
            ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            ::SetWindowLongPtrW(handle_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(backgroundBrush_);
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_GETDPISCALEDSIZE: {
            // The outer size for the new dpi, so that the client area comes out
            // as the design scaled rather than as the whole window scaled.
            SIZE size{};
            if (!ScaledOuterSize(static_cast<int>(wParam), size)) return FALSE;
            *reinterpret_cast<SIZE*>(lParam) = size;
            ::SetWindowLongPtrW(handle_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_NCDESTROY:
            open_ = false;
            handle_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

void Win32Window::OnCommand(WORD id, WORD code) {
    // Escape arrives as IDCANCEL, and Enter as IDOK when no button is default.
    if (id == IDCANCEL) return ClickButton(cancelButton_);
    if (id == IDOK) return ClickButton(defaultButton_);
    for (auto& entry : controls_) {
        if (::GetDlgCtrlID(entry.control->Handle()) == id) return entry.control->OnNotify(code);
    }
}

void Win32Window::ClickButton(NativeControl* button) {
    if (button && ::IsWindowEnabled(button->Handle())) static_cast<Win32Button*>(button)->Click();
}

INT_PTR Win32Window::OnControlColour(HDC dc, HWND control) {
    auto memo = controlBrushes_.find(control);
    if (memo != controlBrushes_.end()) {
        ::SetTextColor(dc, ToColorRef(ui::kWindowTextColour));
        ::SetBkColor(dc, controlBackgrounds_[control]);
        return reinterpret_cast<INT_PTR>(memo->second);
    }
    COLORREF textColour = ToColorRef(ui::kWindowTextColour);
    for (auto& entry : controls_) {
        if (entry.control->Handle() != control) continue;
        if (auto* label = dynamic_cast<Win32Label*>(entry.control.get()))
            textColour = ToColorRef(label->FontColour());
        break;
    }
    ::SetTextColor(dc, textColour);
    ::SetBkColor(dc, backgroundColour_);
    return reinterpret_cast<INT_PTR>(backgroundBrush_);
}

}  // namespace ui::win32

}  // namespace rv17
