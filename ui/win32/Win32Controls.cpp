// Control wrappers: every text crosses the Win32 boundary through code page 932.
#include "ui/win32/Win32Controls.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/WideText.h"

namespace rv17 {

namespace ui::win32 {

namespace {

std::wstring ListText(HWND handle, UINT lengthMessage, UINT textMessage, int index) {
    const LRESULT length = ::SendMessageW(handle, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(handle, textMessage, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

std::vector<std::string> ListItems(HWND handle, UINT countMessage, UINT lengthMessage,
                                   UINT textMessage) {
    const LRESULT count = ::SendMessageW(handle, countMessage, 0, 0);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
        items.push_back(WideToShiftJis(ListText(handle, lengthMessage, textMessage, i)));
    return items;
}

void AddListItems(HWND handle, UINT addMessage, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        const std::wstring wide = ShiftJisToWide(item);
        ::SendMessageW(handle, addMessage, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

// An index the list lacks means no selection, the same on every Windows version.
WPARAM SelectionArgument(HWND handle, UINT countMessage, int index) {
    const LRESULT count = ::SendMessageW(handle, countMessage, 0, 0);
    return static_cast<WPARAM>(index >= 0 && index < count ? index : -1);
}

// The notes panel must leave Enter, Escape and Tab to the dialog, so that
// Enter presses the default button and Escape the cancel button even while
// the panel has the focus; a multi-line edit would otherwise claim them.
LRESULT CALLBACK MemoSubclass(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = ::DefSubclassProc(handle, message, wParam, lParam);
        return code & ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
    }
    return ::DefSubclassProc(handle, message, wParam, lParam);
}

constexpr UINT_PTR kMemoSubclassId = 1;

}  // namespace

std::string NativeControl::WindowText() const {
    const int length = ::GetWindowTextLengthW(handle_);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return WideToShiftJis(text);
}

void NativeControl::SetWindowText(std::string_view text) {
    ::SetWindowTextW(handle_, ShiftJisToWide(text).c_str());
}

void Win32Label::SetText(std::string_view text) {
    SetWindowText(text);
    FitToText();
}

void Win32Label::SetFontColour(Colour colour) {
    colour_ = colour;
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32Label::FitToText() {
    const int length = ::GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(std::max(0, ::GetWindowTextW(Handle(), text.data(), length + 1))));
    HDC dc = ::GetDC(Handle());
    if (!dc) return;
    HGDIOBJ previous =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(Handle(), dc);
    RECT bounds{};
    ::GetWindowRect(Handle(), &bounds);
    ::SetWindowPos(Handle(), nullptr, 0, 0, size.cx, bounds.bottom - bounds.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The old text may have been wider: repaint the parent where it stood.
    ::InvalidateRect(::GetParent(Handle()), nullptr, TRUE);
}

void Win32ComboBox::SetItems(const std::vector<std::string>& items) {
    // CB_RESETCONTENT also empties the edit field, which must keep its text.
    const std::string text = editable_ ? Text() : std::string();
    ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    AddListItems(Handle(), CB_ADDSTRING, items);
    if (editable_) SetWindowText(text);
}

std::vector<std::string> Win32ComboBox::Items() const {
    return ListItems(Handle(), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void Win32ComboBox::SetItemIndex(int index) {
    ::SendMessageW(Handle(), CB_SETCURSEL, SelectionArgument(Handle(), CB_GETCOUNT, index), 0);
}

int Win32ComboBox::ItemIndex() const {
    return static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void Win32ComboBox::SetText(std::string_view text) {
    if (editable_) {
        SetWindowText(text);
        return;
    }
    // A list without free text can only show one of its items.
    const std::wstring wide = ShiftJisToWide(text);
    const LRESULT found = ::SendMessageW(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(wide.c_str()));
    ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(found == CB_ERR ? -1 : found), 0);
}

void Win32Button::OnNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

void Win32Button::Click() {
    if (onClick_) onClick_();
}

void Win32CheckBox::SetChecked(bool checked) {
    ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::Checked() const {
    return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::OnNotify(WORD code) {
    if (code == BN_CLICKED && onClick_) onClick_();
}

// A choice from the list arrives before the edit field shows it, so the field
// is given the chosen text first: the handler then reads what the user sees.
void Win32ComboBox::OnNotify(WORD code) {
    if (code == CBN_SELCHANGE && editable_) {
        const LRESULT index = ::SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
        const LRESULT length =
            ::SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (index != CB_ERR && length != CB_ERR) {
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            ::SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(text.data()));
            ::SetWindowTextW(Handle(), text.c_str());
        }
    }
    if ((code == CBN_EDITCHANGE || code == CBN_SELCHANGE) && onChange_) onChange_();
}

void Win32ListBox::SetItems(const std::vector<std::string>& items) {
    ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    AddListItems(Handle(), LB_ADDSTRING, items);
}

std::vector<std::string> Win32ListBox::Items() const {
    return ListItems(Handle(), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

void Win32ListBox::SetItemIndex(int index) {
    ::SendMessageW(Handle(), LB_SETCURSEL, SelectionArgument(Handle(), LB_GETCOUNT, index), 0);
}

int Win32ListBox::ItemIndex() const {
    return static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

int Win32ListBox::Count() const {
    return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

template <class Change>
void Win32ListBox::ChangeInPlace(int selectionAfter, Change change) {
    const int top = TopIndex();
    change();
    if (ItemIndex() != selectionAfter) SetItemIndex(selectionAfter);
    SetTopIndex(top);
}

void Win32ListBox::InsertItem(int index, std::string_view text) {
    const int count = Count();
    if (index < 0 || index > count) return;
    const int selected = ItemIndex();
    const std::wstring wide = ShiftJisToWide(text);
    ChangeInPlace(selected >= index ? selected + 1 : selected, [&] {
        ::SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index == count ? -1 : index),
                       reinterpret_cast<LPARAM>(wide.c_str()));
    });
}

void Win32ListBox::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    const int selected = ItemIndex();
    const int selectionAfter = selected == index ? -1 : selected > index ? selected - 1 : selected;
    ChangeInPlace(selectionAfter, [&] {
        ::SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    });
}

// A list box cannot change an item's text; the item is replaced in place.
void Win32ListBox::ReplaceItem(int index, std::string_view text) {
    if (index < 0 || index >= Count()) return;
    const std::wstring wide = ShiftJisToWide(text);
    ChangeInPlace(ItemIndex(), [&] {
        ::SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        ::SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(wide.c_str()));
    });
}

int Win32ListBox::TopIndex() const {
    return static_cast<int>(::SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
}

// The list box itself stops scrolling once the last item is in view.
void Win32ListBox::SetTopIndex(int index) {
    const int count = Count();
    if (count == 0) return;
    ::SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::clamp(index, 0, count - 1)),
                   0);
}

void Win32ListBox::MakeItemVisible(int index) {
    if (index < 0 || index >= Count()) return;
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const auto itemHeight = static_cast<int>(::SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
    const int rows = std::max(1, static_cast<int>(client.bottom) / std::max(1, itemHeight));
    const int top = TopIndex();
    if (index < top)
        SetTopIndex(index);
    else if (index >= top + rows)
        SetTopIndex(index - rows + 1);
}

void Win32ListBox::OnNotify(WORD code) {
    if (code == LBN_DBLCLK && onDoubleClick_) onDoubleClick_();
}

Win32Memo::Win32Memo(ControlHost& host, HWND handle) : ControlOf(host, handle) {
    ::SetWindowSubclass(handle, MemoSubclass, kMemoSubclassId, 0);
}

void Win32Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    SetWindowText(text);
}

std::vector<std::string> Win32Memo::Lines() const {
    const std::string text = WindowText();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace ui::win32

}  // namespace rv17
